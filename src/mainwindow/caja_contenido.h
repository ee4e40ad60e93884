#pragma once
// The read-only text beside a picture of the stage row. Its lines are
// painted once into an image at the screen's pixel ratio and kept, so that a
// repaint of the row (another window passing over it, a scroll of the row, a
// grab) copies them instead of laying out and drawing every glyph again.
// Anything that could change what it shows (an edit of the text, a
// selection, the focus, a scroll, a resize, another palette or font) makes
// the image again; while text is selected or the box has the focus it is
// painted as any text box is.

#include <QPixmap>
#include <QPlainTextEdit>

namespace quillon {

class CajaContenido : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit CajaContenido(QWidget* padre = nullptr);

protected:
    void paintEvent(QPaintEvent* e) override;
    bool event(QEvent* e) override;
    bool viewportEvent(QEvent* e) override;

private:
    void olvidarImagen() { imagen_ = QPixmap(); }
    // The lines as the text box lays them out, over its base colour.
    void pintarLineas(QPainter& p);

    QPixmap imagen_;
};

}  // namespace quillon
