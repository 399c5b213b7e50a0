#pragma once

#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

class QLabel;
class QWidget;

namespace quillon {

// Registers the pictures of resources/quillon.qrc; the library that holds them is static, so nothing
// else pulls them in. Safe to call more than once.
void InitResources();

// The resource picture ":/<name>" (an SVG) drawn at `size`, sharp at the device pixel ratio;
// transparent when there is no such picture.
QPixmap ResourcePixmap(const QString& name, QSize size, qreal devicePixelRatio);

// A picture control of a page: a label named `objectName` showing the resource picture.
QLabel* MakePicture(QWidget* parent, const char* objectName, const QString& resource, const QRect& rect);

} // namespace quillon
