#include "app/SketchForm.h"

#include "app/SketchPainter.h"
#include "pages/CalcPage.h"
#include "pages/ErrorDisplay.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPushButton>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace quillon {
namespace {

constexpr double Degree = 3.14159265358979323846 / 180;
// A drag of one pixel turns by this angle; an arrow key by KeyStep.
constexpr double DragStep = 0.5 * Degree;
constexpr double KeyStep = 5 * Degree;
// The tilt stops short of looking straight down or up, where turning would spin the picture.
constexpr double MaxTilt = 89 * Degree;
constexpr double MinZoom = 0.1;
constexpr double MaxZoom = 50;

// The names the settings and the tests find the window's parts by.
constexpr const char* CanvasName = "Sketch_Canvas";

enum class PictureFormat { Png, Svg, Pdf, Unknown };

PictureFormat FormatOf(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix == QLatin1String("png")) return PictureFormat::Png;
    if (suffix == QLatin1String("svg")) return PictureFormat::Svg;
    if (suffix == QLatin1String("pdf")) return PictureFormat::Pdf;
    return PictureFormat::Unknown;
}

} // namespace

SketchCanvas::SketchCanvas(QWidget* parent) : QWidget(parent) {
    setObjectName(QLatin1String(CanvasName));
    setFocusPolicy(Qt::StrongFocus);
    setMinimumSize(200, 160);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void SketchCanvas::SetModel(SketchModel model) {
    model_ = std::move(model);
    hasModel_ = true;
    note_.clear();
    update();
}

void SketchCanvas::SetNote(const QString& note) {
    model_ = SketchModel{};
    hasModel_ = false;
    note_ = note;
    update();
}

void SketchCanvas::SetView(const SketchView& view) {
    view_ = view;
    update();
}

void SketchCanvas::PaintOn(QPainter& painter, const QSizeF& size) const {
    painter.setFont(font());
    if (hasModel_) {
        PaintSketch(painter, model_, view_, size);
        return;
    }
    painter.fillRect(QRectF(QPointF(0, 0), size), SketchBackground);
    painter.setPen(palette().color(QPalette::Disabled, QPalette::WindowText));
    painter.drawText(QRectF(QPointF(0, 0), size).adjusted(16, 16, -16, -16),
                     Qt::AlignCenter | Qt::TextWordWrap, note_);
}

void SketchCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintOn(painter, size());
}

void SketchCanvas::Turn(double yaw, double tilt) {
    view_.yaw = std::remainder(view_.yaw + yaw, 2 * 3.14159265358979323846);
    view_.tilt = std::clamp(view_.tilt + tilt, -MaxTilt, MaxTilt);
    update();
}

void SketchCanvas::mousePressEvent(QMouseEvent* event) {
    dragFrom_ = event->position();
    event->accept();
}

void SketchCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton)) return;
    const QPointF step = event->position() - dragFrom_;
    dragFrom_ = event->position();
    // The picture follows the hand: dragging right turns the front to the right, down tilts it down.
    Turn(-step.x() * DragStep, step.y() * DragStep);
}

void SketchCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    SetView(SketchView{});
    event->accept();
}

void SketchCanvas::wheelEvent(QWheelEvent* event) {
    const double notches = event->angleDelta().y() / 120.0;
    view_.zoom = std::clamp(view_.zoom * std::pow(1.15, notches), MinZoom, MaxZoom);
    update();
    event->accept();
}

void SketchCanvas::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Left:
        Turn(KeyStep, 0);
        break;
    case Qt::Key_Right:
        Turn(-KeyStep, 0);
        break;
    case Qt::Key_Up:
        Turn(0, KeyStep);
        break;
    case Qt::Key_Down:
        Turn(0, -KeyStep);
        break;
    case Qt::Key_Home:
        SetView(SketchView{});
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

TSketchForm::TSketchForm(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("TSketchForm"));
    canvas_ = new SketchCanvas(this);
    saveButton_ = new QPushButton(this);
    saveButton_->setObjectName(QStringLiteral("SketchSave_Button"));
    saveButton_->setAutoDefault(false);
    copyButton_ = new QPushButton(this);
    copyButton_->setObjectName(QStringLiteral("SketchCopy_Button"));
    copyButton_->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(copyButton_);
    buttons->addWidget(saveButton_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 6);
    layout->addWidget(canvas_, 1);
    layout->addLayout(buttons);

    connect(saveButton_, &QPushButton::clicked, this, Guarded([this] { SketchSave_ButtonClick(); }));
    connect(copyButton_, &QPushButton::clicked, this, Guarded([this] { SketchCopy_ButtonClick(); }));
    resize(520, 460);
    ApplyTexts();
}

TSketchForm::~TSketchForm() = default;

void TSketchForm::ApplyTexts() {
    setWindowTitle(Tx(762));
    saveButton_->setText(Tx(763));
    copyButton_->setText(Tx(764));
    canvas_->setToolTip(Tx(770));
    if (!canvas_->HasModel()) canvas_->SetNote(Tx(noteText_));
}

void TSketchForm::ShowScene(const SketchScene& scene, int noteText) {
    noteText_ = noteText;
    if (scene.Empty())
        canvas_->SetNote(Tx(noteText));
    else
        canvas_->SetModel(BuildModel(scene));
}

QImage TSketchForm::Picture(qreal scale) const {
    const QSize size = canvas_->size();
    QImage image(size * scale, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(scale);
    QPainter painter(&image);
    canvas_->PaintOn(painter, size);
    return image;
}

QString TSketchForm::WritePicture(const QString& path) const {
    const PictureFormat format = FormatOf(path);
    if (format == PictureFormat::Unknown) return Tx(768);
    QSaveFile file(path);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QSizeF size = canvas_->size();
    bool painted = true;
    switch (format) {
    case PictureFormat::Png:
        painted = Picture(2).save(&file, "PNG");
        break;
    case PictureFormat::Svg: {
        QSvgGenerator svg;
        svg.setOutputDevice(&file);
        svg.setResolution(96); // the screen's pixels, so that the picture opens at the size it had
        svg.setSize(size.toSize());
        svg.setViewBox(QRectF(QPointF(0, 0), size));
        svg.setTitle(windowTitle());
        QPainter painter;
        painted = painter.begin(&svg);
        if (painted) {
            canvas_->PaintOn(painter, size);
            painted = painter.end();
        }
        break;
    }
    default: {
        // One page of the picture's size, at the screen's 96 dots per inch, without margins.
        QPdfWriter pdf(&file);
        pdf.setResolution(96);
        pdf.setPageSize(QPageSize(size * 72 / 96, QPageSize::Point));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        pdf.setTitle(windowTitle());
        QPainter painter;
        painted = painter.begin(&pdf);
        if (painted) {
            canvas_->PaintOn(painter, size);
            painted = painter.end();
        }
        break;
    }
    }
    if (!painted || file.error() != QFileDevice::NoError) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit()) return file.errorString();
    return {};
}

void TSketchForm::SketchSave_ButtonClick() {
    // Qt's own dialog: it works on every platform plugin, and it asks before it replaces a file.
    QFileDialog dialog(this, Tx(767));
    dialog.setObjectName(QStringLiteral("SketchSaveDialog"));
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    const QStringList filters = {QStringLiteral("PNG (*.png)"), QStringLiteral("SVG (*.svg)"),
                                 QStringLiteral("PDF (*.pdf)")};
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(QStringLiteral("png"));
    // A name without a suffix gets the one of the chosen type.
    connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog, filters](const QString& filter) {
        static const char* const Suffixes[] = {"png", "svg", "pdf"};
        const auto index = filters.indexOf(filter);
        if (index >= 0) dialog.setDefaultSuffix(QLatin1String(Suffixes[index]));
    });
    if (dialog.exec() != QDialog::Accepted) return;
    const QStringList files = dialog.selectedFiles();
    if (files.isEmpty()) return;
    const QString reason = WritePicture(files.first());
    if (!reason.isEmpty())
        ShowError(Tx(769) + QLatin1Char('\n') + files.first() + QLatin1Char('\n') + reason);
}

void TSketchForm::SketchCopy_ButtonClick() {
    QApplication::clipboard()->setImage(Picture(devicePixelRatioF()));
}

void TSketchForm::closeEvent(QCloseEvent* event) {
    event->accept();
    emit Closed();
}

} // namespace quillon
