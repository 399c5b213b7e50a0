#pragma once

#include <QHash>
#include <QObject>

class QWidget;

namespace quillon {

// The four neighbours a field names; a null neighbour leaves the focus where it is.
struct Neighbours {
    QWidget* left = nullptr;
    QWidget* up = nullptr;
    QWidget* down = nullptr;
    QWidget* right = nullptr;
};

// Moves the focus between a page's fields with the arrow keys; every other key, and an arrow key
// without a neighbour, reaches the field.
class ArrowKeyNavigator : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    void Add(QWidget* field, const Neighbours& neighbours);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QHash<QObject*, Neighbours> neighbours_;
};

} // namespace quillon
