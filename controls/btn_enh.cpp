#include "controls/btn_enh.h"

namespace tolvane {

void CBtnEnh::SetCaptionAndColors(std::string_view text, COLORREF textColor, COLORREF backColor,
                                  std::int16_t, std::int16_t, std::int16_t, std::int16_t,
                                  std::int16_t) {
    m_clrText = textColor;
    m_clrBack = backColor;
    Notify(ControlChange::kColors);
    SetWindowText(text);
}

bool CBtnEnh::HasLeftArrowPicture() const {
    return Template() != nullptr && (Template()->style & kStylePictureLeftArrow) != 0;
}

}  // namespace tolvane
