#pragma once

// ImageSelect: the picture, description and name of one entry of a
// catalogue of device types that the host supplies. Each entry is an object
// of the host's with the members Name, Image (a file name under ImagePath)
// and Description, read by name when an entry is chosen.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/automation/Collection.h"
#include "platform/automation/Variant.h"
#include "platform/forms/Label.h"
#include "platform/forms/PictureBox.h"
#include "platform/forms/UserControl.h"

namespace zv {

class ImageSelect : public forms::UserControl {
  public:
    ImageSelect(forms::Form& form, std::wstring name, std::int16_t index);

    std::wstring TypeName() const override { return L"ImageSelect"; }

    // Keeps the catalogue; answers false.
    bool SetCollection(std::shared_ptr<Collection<Variant>> colImageDetails);
    std::wstring GetLastError() const;
    // Shows the entry named strType; false with LastError when there is
    // none or its picture cannot be loaded. An empty type changes nothing.
    bool SetCurrent(const std::wstring& strType);

    // The host's own persisted values: SetCurrent leaves them alone.
    const Variant& ImagePath() const { return m_imagePath; }
    void SetImagePath(Variant path);
    const std::wstring& SelectedDescription() const { return m_selectedDescription; }
    void SetSelectedDescription(std::wstring description);
    std::int16_t SelectedID() const { return m_selectedId; }
    void SetSelectedID(std::int16_t id);
    const std::wstring& SelectedType() const { return m_selectedType; }
    void SetSelectedType(std::wstring type);

    forms::PictureBox& PictureSelected() const { return *m_pictureSelected; }
    forms::Label& LabelDescription() const { return *m_labelDescription; }

    Event<> DataIsSet;  // part of the event interface; never raised
    Event<> OnPictureClick;

  protected:
    void Initialize() override;
    void ReadUserProperties(const PropertyBag& bag) override;
    void WriteUserProperties(PropertyBag& bag) const override;
    void Resized() override;

  private:
    std::shared_ptr<AutomationObject> FindEntry(const std::wstring& strType) const;
    bool ShowEntry(const std::shared_ptr<AutomationObject>& entry);

    std::shared_ptr<forms::PictureBox> m_pictureSelected;
    std::shared_ptr<forms::Label> m_labelDescription;
    std::shared_ptr<Collection<Variant>> m_catalogue;
    std::wstring m_lastError = L"Error loading image.";
    Variant m_imagePath = Variant(L"");
    std::wstring m_selectedDescription;
    std::int16_t m_selectedId = 0;
    std::wstring m_selectedType;
};

}  // namespace zv
