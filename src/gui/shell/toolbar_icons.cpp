#include "gui/shell/toolbar_icons.h"

#include <QString>
#include <array>

#include "shell/command_table.h"

// The icons live in a static library, whose resources the linker would drop unless asked for.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace zelvo::gui {

namespace {

struct CommandIcon {
    int id;
    const char* theme;  // freedesktop icon name; empty when no standard icon fits
    const char* file;   // our own, under :/icons
};

constexpr std::array<CommandIcon, 14> kIcons = {{
    {shell::cmd::kReturnToDashboard, "", "dashboard"},
    {shell::cmd::kSave, "document-save", "save"},
    {shell::cmd::kPrint, "document-print", "print"},
    {shell::cmd::kPrintPreview, "document-print-preview", "preview"},
    {32769, "", "aux_pioneers"},
    {32777, "", "report_entry"},
    {32778, "", "attendance"},
    {32768, "", "publishers"},
    {32770, "", "groups"},
    {32773, "", "no_report"},
    {32774, "", "irregular"},
    {32782, "", "inactive"},
    {shell::cmd::kAbout, "help-about", "about"},
    {shell::cmd::kContextHelp, "help-contextual", "context_help"},
}};

QIcon ownIcon(const char* file) {
    static const bool initialized = (initIconResources(), true);
    (void)initialized;
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file)));
}

}  // namespace

QIcon commandIcon(int commandId) {
    for (const CommandIcon& icon : kIcons) {
        if (icon.id != commandId) continue;
        if (icon.theme[0] != '\0')
            return QIcon::fromTheme(QLatin1String(icon.theme), ownIcon(icon.file));
        return ownIcon(icon.file);
    }
    return {};
}

QIcon programIcon() {
    return ownIcon("zelvo");
}

}  // namespace zelvo::gui
