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

void ShowBannerText(CBtnEnh& banner, std::string_view text) {
    constexpr COLORREF kWhite = 0x00FFFFFF;
    constexpr COLORREF kBlue = 0x00FF0000;  // the platform's colour order is blue, green, red
    banner.ShowWindow(false);
    banner.SetCaptionAndColors(text, kWhite, kBlue, 0, 0, 0, 0, 0);
    banner.ShowWindow(true);
}

}  // namespace tolvane
