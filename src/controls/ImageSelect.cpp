#include "controls/ImageSelect.h"

#include <algorithm>

#include "platform/automation/AutomationError.h"
#include "platform/automation/LateBound.h"
#include "platform/automation/Trapped.h"
#include "platform/forms/Form.h"
#include "platform/forms/Picture.h"
#include "platform/forms/PropertyBag.h"

namespace zv {

namespace {

// The layout: the picture at the left, the description beside it.
constexpr std::int32_t kPictureSize = 960;
constexpr std::int32_t kLabelLeft = kPictureSize + 120;

std::wstring Member(const std::shared_ptr<AutomationObject>& entry, std::wstring_view name) {
    return CallByName(entry, name, CallKind::PropertyGet).ToText();
}

}  // namespace

ImageSelect::ImageSelect(forms::Form& form, std::wstring name, std::int16_t index)
    : UserControl(form, std::move(name), index, 4800, kPictureSize) {}

void ImageSelect::Initialize() {
    m_pictureSelected = Parent().Add<forms::PictureBox>(Name() + L"_PictureSelected", this);
    m_pictureSelected->Move(0, 0, kPictureSize, kPictureSize);
    m_pictureSelected->Click.Connect([this] { OnPictureClick.Raise(); });
    m_labelDescription = Parent().Add<forms::Label>(Name() + L"_LabelDescription", this);
    m_labelDescription->SetCaption(L"");
    m_labelDescription->SetWordWrap(true);
    Resized();
}

void ImageSelect::Resized() {
    if (m_labelDescription) {
        m_labelDescription->Move(kLabelLeft, 0, std::max(0, Width() - kLabelLeft), Height());
    }
    UserControl::Resized();
}

bool ImageSelect::SetCollection(std::shared_ptr<Collection<Variant>> colImageDetails) {
    m_catalogue = std::move(colImageDetails);
    return false;
}

std::wstring ImageSelect::GetLastError() const {
    return Trapped(std::wstring(), [&] { return m_lastError; });
}

bool ImageSelect::SetCurrent(const std::wstring& strType) {
    if (strType.empty()) {
        return true;
    }
    try {
        const auto entry = FindEntry(strType);
        if (!entry) {
            m_lastError = L"Can not find device. Reinstall the Zarvane Database.";
            return false;
        }
        return ShowEntry(entry);
    } catch (const AutomationError& error) {
        // A catalogue entry that does not answer as an entry should.
        m_lastError = error.Description();
        return false;
    } catch (...) {
        // Nothing leaves the control, not even a failure of the memory.
        m_lastError = L"Error loading image.";
        return false;
    }
}

std::shared_ptr<AutomationObject> ImageSelect::FindEntry(const std::wstring& strType) const {
    if (!m_catalogue) {
        return nullptr;
    }
    // A copy: the host's Name may change the catalogue while it is searched.
    const std::vector<Variant> entries = m_catalogue->Items();
    for (const Variant& item : entries) {
        const auto& entry = item.AsObject();
        if (Member(entry, L"Name") == strType) {
            return entry;
        }
    }
    return nullptr;
}

bool ImageSelect::ShowEntry(const std::shared_ptr<AutomationObject>& entry) {
    const std::wstring file = m_imagePath.ToText() + Member(entry, L"Image");
    std::shared_ptr<Picture> picture;
    try {
        picture = LoadPicture(file);
    } catch (...) {
        // Whatever stops the file from becoming a picture.
        m_lastError = L"Error opening database image file: " + file +
                      L"\n\nPlease verify the Zarvane Database path and/or reinstall the Zarvane "
                      L"Database.";
        return false;
    }
    m_pictureSelected->SetPicture(std::move(picture));
    m_labelDescription->SetCaption(Member(entry, L"Description"));
    m_pictureSelected->SetToolTipText(Member(entry, L"Name"));
    return true;
}

void ImageSelect::SetImagePath(Variant path) {
    m_imagePath = std::move(path);
    PropertyChanged(L"ImagePath");
}

void ImageSelect::SetSelectedDescription(std::wstring description) {
    m_selectedDescription = std::move(description);
    PropertyChanged(L"SelectedDescription");
}

void ImageSelect::SetSelectedID(std::int16_t id) {
    m_selectedId = id;
    PropertyChanged(L"SelectedID");
}

void ImageSelect::SetSelectedType(std::wstring type) {
    m_selectedType = std::move(type);
    PropertyChanged(L"SelectedType");
}

void ImageSelect::ReadUserProperties(const PropertyBag& bag) {
    SetImagePath(bag.ReadProperty(L"ImagePath", L""));
    SetSelectedDescription(bag.ReadProperty(L"SelectedDescription", L"").ToText());
    SetSelectedID(bag.ReadProperty(L"SelectedID", std::int16_t{0}).ToInt16());
    SetSelectedType(bag.ReadProperty(L"SelectedType", L"").ToText());
}

void ImageSelect::WriteUserProperties(PropertyBag& bag) const {
    bag.WriteProperty(L"ImagePath", m_imagePath, L"");
    bag.WriteProperty(L"SelectedDescription", m_selectedDescription, L"");
    bag.WriteProperty(L"SelectedID", m_selectedId, std::int16_t{0});
    bag.WriteProperty(L"SelectedType", m_selectedType, L"");
}

}  // namespace zv
