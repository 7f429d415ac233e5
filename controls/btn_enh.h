#pragma once
// The enhanced push button of every command and banner: a large, touch-friendly button whose
// caption and colours the program can change at run time. Its Click event reaches the dialog's
// event table.
#include <cstdint>
#include <optional>
#include <string_view>

#include "framework/control.h"

namespace tolvane {

class CBtnEnh : public Control {
  public:
    // Sets the caption and the colours: `textColor` for the text, `backColor` for the face.
    // The five 16-bit values are carried for callers that pass them (both callers pass zeros);
    // the button does not use them.
    void SetCaptionAndColors(std::string_view text, COLORREF textColor, COLORREF backColor,
                             std::int16_t option1, std::int16_t option2, std::int16_t option3,
                             std::int16_t option4, std::int16_t option5);

    // The colours set by SetCaptionAndColors; empty while the button keeps its own look.
    std::optional<COLORREF> TextColor() const { return m_clrText; }
    std::optional<COLORREF> BackColor() const { return m_clrBack; }

    // The button shows a left-pointing arrow picture (the keypad's Correct entry).
    bool HasLeftArrowPicture() const;

  private:
    std::optional<COLORREF> m_clrText;
    std::optional<COLORREF> m_clrBack;
};

// Puts a text on a status banner in white on blue, hiding the banner while it changes: the
// look of every banner of the program.
void ShowBannerText(CBtnEnh& banner, std::string_view text);

}  // namespace tolvane
