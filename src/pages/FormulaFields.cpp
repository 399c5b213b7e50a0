#include "pages/FormulaFields.h"

#include "core/Handle.h"
#include "pages/ErrorDisplay.h"

#include <QLabel>
#include <QLineEdit>

namespace quillon {
namespace {

Extended& Component(TVektor& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

void MarkOnChange(QLineEdit* edit, bool& flag) {
    QObject::connect(edit, &QLineEdit::textChanged, edit, [&flag] { flag = true; });
}

QString Formatted(Extended x) {
    return QString::fromStdString(FormatNumber(x));
}

} // namespace

void BindVectorEdits(QLineEdit* editX, QLineEdit* editY, QLineEdit* editZ, VectorCell& cell) {
    MarkOnChange(editX, cell.stale[0]);
    MarkOnChange(editY, cell.stale[1]);
    MarkOnChange(editZ, cell.stale[2]);
}

void BindScalarEdit(QLineEdit* edit, ScalarCell& cell) {
    MarkOnChange(edit, cell.stale);
}

Extended EvaluateField(const QLineEdit* edit) {
    return ReadingField(edit, [edit] { return EvaluateText(edit->text().toStdString()); });
}

void ReadVectorEdits(const QLineEdit* editX, const QLineEdit* editY, const QLineEdit* editZ,
                     VectorCell& cell) {
    const QLineEdit* edits[3] = {editX, editY, editZ};
    for (int i = 0; i < 3; ++i) {
        if (!cell.stale[i]) continue;
        Component(cell.value, i) = EvaluateField(edits[i]);
        cell.stale[i] = false;
    }
}

void ReadScalarEdit(const QLineEdit* edit, ScalarCell& cell) {
    if (!cell.stale) return;
    cell.value = EvaluateField(edit);
    cell.stale = false;
}

void WriteVectorEdits(const TVektor& vector, QLineEdit* editX, QLineEdit* editY, QLineEdit* editZ) {
    editX->setText(Formatted(vector.x));
    editY->setText(Formatted(vector.y));
    editZ->setText(Formatted(vector.z));
}

void WriteScalarEdit(Extended value, QLineEdit* edit) {
    edit->setText(Formatted(value));
}

void WriteVectorLabels(const TVektor& vector, QLabel* labelX, QLabel* labelY, QLabel* labelZ) {
    labelX->setText(Formatted(vector.x));
    labelY->setText(Formatted(vector.y));
    labelZ->setText(Formatted(vector.z));
}

void SetTripleVisible(QWidget* first, QWidget* second, QWidget* third, bool visible) {
    first->setVisible(visible);
    second->setVisible(visible);
    third->setVisible(visible);
}

void SetTripleLeft(QWidget* first, QWidget* second, QWidget* third, int left) {
    for (QWidget* w : {first, second, third})
        w->move(left, w->y());
}

} // namespace quillon
