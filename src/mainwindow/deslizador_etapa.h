#pragma once
// The progress slider under a still: a horizontal scroll bar that takes the
// keys of any slider and shows when it has the keyboard's focus, with a frame
// in the highlight colour (the style draws none on a scroll bar).

#include <QScrollBar>

namespace quillon {

class DeslizadorEtapa : public QScrollBar {
    Q_OBJECT
public:
    explicit DeslizadorEtapa(QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
};

}  // namespace quillon
