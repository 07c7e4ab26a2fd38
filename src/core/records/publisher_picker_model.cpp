#include "records/publisher_picker_model.h"

#include "resources/strings.h"
#include "store/zelvo_doc.h"

namespace zelvo::records {

namespace {

std::string withAccelerator(std::string_view text) {
    return "&" + std::string(text);
}

}  // namespace

PublisherPickerModel::PublisherPickerModel(const CZelvoDoc& doc, Mode mode) : mode_(mode) {
    reload(doc);
    list_.select(0);
}

void PublisherPickerModel::reload(const CZelvoDoc& doc) {
    list_.setEntries(kindEntries(doc, mode_ == Mode::Students ? kNonPublisher : kPublisher));
}

std::string PublisherPickerModel::title() const {
    if (mode_ == Mode::Students) return std::string(res::kChooseStudentTitle);
    return std::string(res::kPickerTitle);
}

std::string PublisherPickerModel::editCaption() const {
    if (mode_ == Mode::Chooser) return withAccelerator(res::kChooseChoice);
    return std::string(res::kPickerEdit);
}

std::string PublisherPickerModel::closeCaption() const {
    if (mode_ == Mode::Chooser) return withAccelerator(res::kButtonCancel);
    return std::string(res::kButtonClose);
}

std::string PublisherPickerModel::addCaption() const {
    if (mode_ == Mode::Students) return std::string(res::kAddStudentButton);

    return std::string(res::kAddPublisher);
}

}  // namespace zelvo::records
