#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QAbstractButton;
class QLabel;
class QWidget;

namespace quillon {

// Registers the pictures of resources/quillon.qrc; the library that holds them is static, so nothing
// else pulls them in. Safe to call more than once.
void InitResources();

// The resource picture ":/<name>" (an SVG) drawn at `size`, sharp at the device pixel ratio;
// transparent when there is no such picture.
QPixmap ResourcePixmap(const QString& name, QSize size, qreal devicePixelRatio);

// The resource picture as the build drew it, `pixels` in size, in its own ink; null where the build
// drew it at other sizes only. The same pixels as drawing the SVG into an image of that size.
QPixmap PredrawnPicture(const QString& name, QSize pixels);

// Shows the resource picture in `label` at its present size, drawn when the label is first shown; until
// then a later call replaces it.
void SetPicture(QLabel* label, const QString& name);

// Gives `button` the resource picture drawn at `size` as its icon, drawn when the button is first shown.
void SetPictureIcon(QAbstractButton* button, const QString& name, QSize size);

// A picture control of a page: a label named `objectName` showing the resource picture.
QLabel* MakePicture(QWidget* parent, const char* objectName, const QString& resource, const QRect& rect);

} // namespace quillon
