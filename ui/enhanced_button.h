#pragma once
// The look of the enhanced button: a large, rounded, touch-friendly face with a bold caption
// that wraps; banners show their text in the colours the program sets; the keypad's Correct
// entry carries a left-pointing arrow.
#include <QAbstractButton>
#include <QColor>
#include <optional>

namespace tolvane {

class EnhancedButton : public QAbstractButton {
    Q_OBJECT
  public:
    explicit EnhancedButton(QWidget* parent = nullptr);

    void SetColors(std::optional<QColor> text, std::optional<QColor> back);
    void SetLeftArrow(bool on);
    // Display-only buttons (dates, banners) do not look pressable.
    void SetDisplayOnly(bool on);

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    std::optional<QColor> m_textColor;
    std::optional<QColor> m_backColor;
    bool m_bLeftArrow = false;
    bool m_bDisplayOnly = false;
};

}  // namespace tolvane
