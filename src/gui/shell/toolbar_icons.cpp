#include "gui/shell/toolbar_icons.h"

#include <QString>
#include <array>

#include "shell/command_ids.h"

// The icons live in a static library, whose resources the linker would drop unless asked for.
static void initIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace zelvo::gui {

namespace {

using C = shell::CommandId;

struct CommandIcon {
    shell::CommandId id;
    const char* theme;  // freedesktop icon name; empty when no standard icon fits
    const char* file;   // our own, under :/icons
};

constexpr std::array<CommandIcon, 14> kIcons = {{
    {C::ReturnToDashboard, "", "dashboard"},
    {C::Save, "document-save", "save"},
    {C::Print, "document-print", "print"},
    {C::PrintPreview, "document-print-preview", "preview"},
    {C::EditAuxiliaryPioneers, "", "aux_pioneers"},
    {C::EnterReports, "", "report_entry"},
    {C::EnterAttendance, "", "attendance"},
    {C::EditPublishers, "", "publishers"},
    {C::EditGroups, "", "groups"},
    {C::ListNoReport, "", "no_report"},
    {C::ListIrregular, "", "irregular"},
    {C::EditInactive, "", "inactive"},
    {C::About, "help-about", "about"},
    {C::ContextHelp, "help-contextual", "context_help"},
}};

QIcon ownIcon(const char* file) {
    static const bool initialized = (initIconResources(), true);
    (void)initialized;
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(file)));
}

}  // namespace

QIcon commandIcon(shell::CommandId id) {
    for (const CommandIcon& icon : kIcons) {
        if (icon.id != id) continue;
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
