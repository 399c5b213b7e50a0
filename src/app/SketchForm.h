#pragma once

#include "sketch/Projection.h"
#include "sketch/Scene.h"

#include <QImage>
#include <QString>
#include <QWidget>

class QPushButton;

namespace quillon {

// The picture area of the sketch window: it draws the model in the view and turns, tilts and zooms it
// with the mouse and the keys. Without a model it shows a note instead.
class SketchCanvas : public QWidget {
public:
    explicit SketchCanvas(QWidget* parent = nullptr);

    void SetModel(SketchModel model);
    void SetNote(const QString& note);
    bool HasModel() const { return hasModel_; }
    const SketchModel& Model() const { return model_; }
    const SketchView& View() const { return view_; }
    void SetView(const SketchView& view);
    // Paints what the canvas shows, at its size, onto any device.
    void PaintOn(QPainter& painter, const QSizeF& size) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Turn(double yaw, double tilt);

    SketchModel model_;
    bool hasModel_ = false;
    QString note_;
    SketchView view_;
    QPointF dragFrom_;
};

// The sketch window: a live 3D sketch of what the shown page holds, with picture export. It is fed
// scenes by the main window and knows no page.
class TSketchForm : public QWidget {
    Q_OBJECT
public:
    explicit TSketchForm(QWidget* parent = nullptr);
    ~TSketchForm() override;

    void ApplyTexts();
    // Shows the scene; an empty one shows the note of text number `noteText`.
    void ShowScene(const SketchScene& scene, int noteText);
    SketchCanvas* Canvas() const { return canvas_; }

    // What the canvas shows, at `scale` times its size.
    QImage Picture(qreal scale) const;
    // Writes the picture as PNG (at twice the screen size), SVG or PDF, by the suffix of `path`, and
    // replaces an existing file only once the new one is complete. Returns an empty text, or the reason.
    QString WritePicture(const QString& path) const;

    // The text numbers of the notes.
    static constexpr int NothingToSketchText = 765;
    static constexpr int CannotSketchText = 766;

signals:
    // The user closed the window.
    void Closed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void SketchSave_ButtonClick();
    void SketchCopy_ButtonClick();

    SketchCanvas* canvas_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* copyButton_ = nullptr;
    int noteText_ = NothingToSketchText;
};

} // namespace quillon
