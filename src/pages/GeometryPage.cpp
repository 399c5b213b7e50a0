#include "pages/GeometryPage.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/IniFile.h"
#include "core/Options.h"
#include "math/GVektor.h"
#include "pages/CopyAsMenu.h"
#include "pages/ErrorDisplay.h"
#include "pages/FieldAids.h"
#include "pages/GeometryObjects.h"
#include "pages/PageSketches.h"
#include "pages/Pictures.h"
#include "pages/RadioGroup.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>

#include <initializer_list>
#include <string>

namespace quillon {
namespace {

constexpr const char* Section = "PLE";
constexpr const char* ValueSection = "PLE-Value";

// Each object takes a band of the page: the letter row at its top, then three rows of fields.
constexpr int ObjectTops[2] = {4, 116};
constexpr int RowStep = 26;
constexpr int LeftColumn = 8;
constexpr int LeftWidth = 130;
constexpr int ColumnLefts[3] = {144, 222, 300};
constexpr int EditWidth = 74;
constexpr int EditHeight = 24;
// The four numbers stand in one row, in the order of the equation a·x + b·y + c·z = d.
constexpr int NumberLefts[4] = {144, 202, 260, 318};
constexpr int NumberWidth = 54;
constexpr int SizeWidth = ColumnLefts[2] + EditWidth - ColumnLefts[1];
constexpr int RightColumn = 382;
constexpr int RightWidth = 158;
constexpr QRect FormImageRect(int top) {
    return {LeftColumn, top + 28, LeftWidth, 72};
}

constexpr int EditTop(int top, int row) {
    return top + 24 + row * RowStep;
}

constexpr const char Axes[3] = {'x', 'y', 'z'};
constexpr const char Letters[4] = {'a', 'b', 'c', 'd'};

Extended& Component(TVektor& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

Extended Component(const TVektor& v, int i) {
    return i == 0 ? v.x : i == 1 ? v.y : v.z;
}

bool AnyStale(const VectorCell& cell) {
    return cell.stale[0] || cell.stale[1] || cell.stale[2];
}

Extended Evaluate(const QLineEdit* edit) {
    return EvaluateField(edit);
}

QString Formatted(Extended x) {
    return QString::fromStdString(FormatNumber(x));
}

// The size field shows the radius, the volume or the surface (the items of the size combo box).
Extended RadiusFrom(Extended shown, int size) {
    switch (size) {
    case 1:
        return RadiusFromVolume(shown);
    case 2:
        return RadiusFromSurface(shown);
    default:
        return shown;
    }
}

Extended SizeFrom(Extended radius, int size) {
    switch (size) {
    case 1:
        return SphereVolume(radius);
    case 2:
        return SphereSurface(radius);
    default:
        return radius;
    }
}

QLineEdit* MakeEdit(QWidget* parent, const QString& name, const QRect& rect) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    edit->setGeometry(rect);
    return edit;
}

QComboBox* MakeCombo(QWidget* parent, const QString& name, const QRect& rect) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->setGeometry(rect);
    return box;
}

void SetItems(QComboBox* box, std::initializer_list<int> texts, int index) {
    box->clear();
    for (int k : texts)
        box->addItem(Tx(k));
    box->setCurrentIndex(index);
}

// A point-form column: its fields show a point, its cell holds the direction from a.
struct PointColumn {
    const std::array<QLineEdit*, 3>& edits;
    VectorCell& cell;
};

// Reads a and the points of the columns. Where a coordinate of a changes, the directions follow, so
// that the points stay where their fields show them. Nothing of a coordinate is stored before all its
// fields have evaluated.
void ReadPointForm(const std::array<QLineEdit*, 3>& aEdits, VectorCell& a,
                   std::initializer_list<PointColumn> columns) {
    for (int i = 0; i < 3; ++i) {
        const auto s = static_cast<std::size_t>(i);
        bool anyStale = a.stale[s];
        for (const PointColumn& column : columns)
            anyStale = anyStale || column.cell.stale[s];
        if (!anyStale) continue;

        const Extended oldA = Component(a.value, i);
        const Extended newA = a.stale[s] ? Evaluate(aEdits[s]) : oldA;
        Extended directions[2] = {0, 0};
        bool changed[2] = {false, false};
        int j = 0;
        for (const PointColumn& column : columns) {
            if (a.stale[s] || column.cell.stale[s]) {
                const Extended direction = Component(column.cell.value, i);
                const Extended point = column.cell.stale[s] ? Evaluate(column.edits[s])
                                                            : Checked([&] { return oldA + direction; });
                directions[j] = Checked([&] { return point - newA; });
                changed[j] = true;
            }
            ++j;
        }
        Component(a.value, i) = newA;
        a.stale[s] = false;
        j = 0;
        for (const PointColumn& column : columns) {
            if (changed[j]) {
                Component(column.cell.value, i) = directions[j];
                column.cell.stale[s] = false;
            }
            ++j;
        }
    }
}

} // namespace

GeometryPage::GeometryPage(QWidget* parent, Build when) : CalcPage(parent) {
    setObjectName(QStringLiteral("TabSheet2"));
    // Without a settings file the spheres have radius 1.
    for (Object& o : objects_)
        o.r.value = 1;
    BuildControlsWhen(when, [this] {
        BuildControls();
        Arrange({KindPoint, KindPoint});
        WriteAllFields();
    });
}

GeometryPage::~GeometryPage() = default;

void GeometryPage::BuildControls() {
    BuildObject(0, ObjectTops[0]);
    BuildObject(1, ObjectTops[1]);

    // Both objects share the forms; only one group is shown at a time, so they share a place.
    lineForms_ = new RadioGroupBox(this);
    lineForms_->setObjectName(QStringLiteral("PLE_PaPu_RadioGroup"));
    lineForms_->setGeometry(RightColumn, 56, RightWidth, 72);
    lineForms_->SetItems({QStringLiteral("Parameterform"), QStringLiteral("Punktform")});
    planeForms_ = new RadioGroupBox(this);
    planeForms_->setObjectName(QStringLiteral("PLE_PPNK_RadioGroup"));
    planeForms_->setGeometry(RightColumn, 36, RightWidth, 120);
    planeForms_->SetItems({QStringLiteral("Parameterform"), QStringLiteral("Punktform"),
                           QStringLiteral("Normalenform"), QStringLiteral("Koordinatenform")});
    connect(lineForms_, &RadioGroupBox::Clicked, this, Guarded([this] { FormClick(true); }));
    connect(planeForms_, &RadioGroupBox::Clicked, this, Guarded([this] { FormClick(false); }));

    const int buttonTop = EditTop(ObjectTops[1], 2) - 2;
    clearButton_ = AddButton(QStringLiteral("C"), QStringLiteral("PLE_Clear_Button"),
                             [this] { PLE_Clear_ButtonClick(); });
    clearButton_->setGeometry(RightColumn, buttonTop, 36, 28);
    calcButton_ = AddButton(QStringLiteral("Berechnen"), QStringLiteral("PLE_Calc_Button"),
                            [this] { PLE_Calc_ButtonClick(); });
    calcButton_->setGeometry(RightColumn + 42, buttonTop, RightWidth - 42, 28);

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("PLE_Memo"));
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    const int memoTop = EditTop(ObjectTops[1], 3) + 8;
    memo_->setGeometry(LeftColumn, memoTop, RightColumn + RightWidth - LeftColumn, 440 - memoTop);

    // Tab through each object's fields column by column, as they are read.
    QWidget* previous = nullptr;
    const auto chain = [&](QWidget* next) {
        if (previous) setTabOrder(previous, next);
        previous = next;
    };
    for (Object& o : objects_) {
        chain(o.kindBox);
        for (const auto* column : {&o.aEdits, &o.bEdits, &o.cEdits})
            for (QLineEdit* edit : *column)
                chain(edit);
        for (QLineEdit* edit : o.kEdits)
            chain(edit);
        chain(o.sizeBox);
        chain(o.rEdit);
    }
    chain(calcButton_);
    chain(clearButton_);

    auto* enterKeys = new EnterKeyRunner(this);
    for (QLineEdit* edit : findChildren<QLineEdit*>())
        if (edit->parentWidget() == this) enterKeys->Add(edit, calcButton_);
    MakeFieldsReadable(this);
}

void GeometryPage::BuildObject(int index, int top) {
    Object& o = objects_[static_cast<std::size_t>(index)];
    const QString n = QString::number(index + 1);
    const auto name = [&n](const QString& pattern) { return pattern.arg(n); };

    o.kindBox =
        MakeCombo(this, name(QStringLiteral("PLE_L%1_ComboBox")), QRect(LeftColumn, top, LeftWidth, 24));
    o.formImage = new QLabel(this);
    o.formImage->setObjectName(name(QStringLiteral("PLE_Form%1_Image")));
    o.formImage->setGeometry(FormImageRect(top));

    // The letter pictures above the columns; the centre m of a sphere takes the place of a.
    const auto picture = [&](char letter, int column) {
        const QString resource = QStringLiteral("PLE_%1%2").arg(QLatin1Char(letter)).arg(n);
        const QByteArray objectName = (resource + QStringLiteral("_Image")).toLatin1();
        return MakePicture(this, objectName.constData(), resource,
                           QRect(ColumnLefts[column] + (EditWidth - 64) / 2, top, 64, 24));
    };
    o.aImage = picture('a', 0);
    o.bImage = picture('b', 1);
    o.cImage = picture('c', 2);
    o.mImage = picture('m', 0);

    std::array<QLineEdit*, 3>* columns[3] = {&o.aEdits, &o.bEdits, &o.cEdits};
    VectorCell* cells[3] = {&o.a, &o.b, &o.c};
    for (int column = 0; column < 3; ++column) {
        for (int i = 0; i < 3; ++i) {
            const QString editName = QStringLiteral("PLE_%1%2%3_Edit")
                                         .arg(QLatin1Char(Letters[column]))
                                         .arg(n)
                                         .arg(QLatin1Char(Axes[i]));
            (*columns[column])[static_cast<std::size_t>(i)] =
                MakeEdit(this, editName, QRect(ColumnLefts[column], EditTop(top, i), EditWidth, EditHeight));
        }
        BindVectorEdits((*columns[column])[0], (*columns[column])[1], (*columns[column])[2], *cells[column]);
        AddCopyAsMenu(*columns[column], [this, index, column] {
            // The vector as its fields show it: in the point forms the cell holds the direction from a.
            ReadObject(index);
            const Object& object = objects_[static_cast<std::size_t>(index)];
            const VectorCell* read[3] = {&object.a, &object.b, &object.c};
            TVektor shown = read[column]->value;
            if (column > 0 && (object.code == CodeLinePoints || object.code == CodePlanePoints))
                shown = Checked([&] { return VAdd(object.a.value, shown); });
            return CopyOf(shown);
        });
    }

    for (int j = 0; j < 4; ++j) {
        const auto s = static_cast<std::size_t>(j);
        const QString letter = QLatin1Char(Letters[j]) + n;
        auto* label = new QLabel(letter, this);
        label->setObjectName(QStringLiteral("PLE_%1_Label").arg(letter));
        label->setGeometry(NumberLefts[j], top, NumberWidth, 24);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
        QFont font = label->font();
        font.setItalic(true);
        font.setBold(true);
        label->setFont(font);
        o.kLabels[s] = label;
        o.kEdits[s] = MakeEdit(this, QStringLiteral("PLE_%1_Edit").arg(letter),
                               QRect(NumberLefts[j], EditTop(top, 0), NumberWidth, EditHeight));
        BindScalarEdit(o.kEdits[s], o.k[s]);
    }

    o.sizeBox = MakeCombo(this, name(QStringLiteral("PLE_Kug%1_ComboBox")),
                          QRect(ColumnLefts[1], EditTop(top, 0), SizeWidth, EditHeight));
    o.rEdit = MakeEdit(this, name(QStringLiteral("PLE_r%1_Edit")),
                       QRect(ColumnLefts[1], EditTop(top, 1), SizeWidth, EditHeight));
    BindScalarEdit(o.rEdit, o.r);

    connect(o.kindBox, &QComboBox::currentIndexChanged, this,
            Guarded([this, index] { PLE_L_ComboBoxChange(index); }));
    connect(o.sizeBox, &QComboBox::currentIndexChanged, this,
            Guarded([this, index] { PLE_Kug_ComboBoxChange(index); }));
}

void GeometryPage::ReadSettings(const IniFile& ini) {
    for (std::size_t j = 0; j < formIndexes_.size(); ++j)
        formIndexes_[j] = ini.ReadInteger(Section, "PLE_FormIndex[" + std::to_string(j) + "]", 0);
    // Values no form has fall back to the parametric form.
    lineForm_ = formIndexes_[0] == 1 ? 1 : 0;
    planeForm_ = formIndexes_[1] >= 0 && formIndexes_[1] <= 3 ? formIndexes_[1] : 0;

    std::array<int, 2> kinds{};
    for (int i = 0; i < 2; ++i) {
        Object& o = objects_[static_cast<std::size_t>(i)];
        const std::string n = std::to_string(i + 1);
        const int code = ini.ReadInteger(Section, "PLE_L" + n + "ImageIndex", 0);
        kinds[static_cast<std::size_t>(i)] = KindOfCode(code >= 0 && code < CodeCount ? code : CodePoint);
        const int size = ini.ReadInteger(Section, "PLE_Kug" + n + "Index", 0);
        o.size = size >= 0 && size <= 2 ? size : 0;

        const auto vector = [&](char letter) {
            const std::string key = std::string("P") + letter + n;
            return TVektor{ini.ReadFloat(ValueSection, key + ".x", 0),
                           ini.ReadFloat(ValueSection, key + ".y", 0),
                           ini.ReadFloat(ValueSection, key + ".z", 0)};
        };
        o.a.value = vector('a');
        o.b.value = vector('b');
        o.c.value = vector('c');
        for (std::size_t j = 0; j < 4; ++j)
            o.k[j].value = ini.ReadFloat(ValueSection, std::string("Pk") + Letters[j] + n, 0);
        o.r.value = ini.ReadFloat(ValueSection, "PKugR" + n, 1);
    }

    Arrange(kinds);
    // A plane is shown by one of its two forms; the other is made to say the same. The coordinate
    // form is what the user last typed there, any other form comes from the parametric cells.
    for (Object& o : objects_) {
        if (o.code == CodePlaneEquation) {
            TVektor a{}, b{}, c{};
            EbeneKoordToParam({o.k[0].value, o.k[1].value, o.k[2].value}, o.k[3].value, a, b, c);
            o.a.value = a;
            o.b.value = b;
            o.c.value = c;
        } else if (IsPlaneCode(o.code)) {
            SetCoordinateForm(o);
        }
    }
    WriteAllFields();
}

void GeometryPage::WriteSettings(IniFile& ini) {
    // The window has the fields taken over (TakeOverFields) before it stores the settings.
    ini.WriteBool(Section, "PLE_ParDarst", true);
    formIndexes_[0] = lineForm_;
    formIndexes_[1] = planeForm_;
    for (std::size_t j = 0; j < formIndexes_.size(); ++j)
        ini.WriteInteger(Section, "PLE_FormIndex[" + std::to_string(j) + "]", formIndexes_[j]);
    ini.WriteInteger(Section, "PLE_L1ImageIndex", objects_[0].code);
    ini.WriteInteger(Section, "PLE_L2ImageIndex", objects_[1].code);
    ini.WriteInteger(Section, "PLE_Kug1Index", objects_[0].size);
    ini.WriteInteger(Section, "PLE_Kug2Index", objects_[1].size);

    for (int i = 0; i < 3; ++i)
        for (std::size_t object = 0; object < 2; ++object) {
            const Object& o = objects_[object];
            const std::string n = std::to_string(object + 1);
            const std::string axis = std::string(".") + Axes[i];
            ini.WriteFloat(ValueSection, "Pa" + n + axis, Component(o.a.value, i));
            ini.WriteFloat(ValueSection, "Pb" + n + axis, Component(o.b.value, i));
            ini.WriteFloat(ValueSection, "Pc" + n + axis, Component(o.c.value, i));
        }
    for (std::size_t i = 0; i < 2; ++i)
        for (std::size_t j = 0; j < 4; ++j)
            ini.WriteFloat(ValueSection, std::string("Pk") + Letters[j] + std::to_string(i + 1),
                           objects_[i].k[j].value);
    ini.WriteFloat(ValueSection, "PKugR1", objects_[0].r.value);
    ini.WriteFloat(ValueSection, "PKugR2", objects_[1].r.value);
}

void GeometryPage::ApplyTexts() {
    updating_ = true;
    // The radio groups keep their item indexes, the combo boxes are set back to the page's choices.
    lineForms_->SetItems({Tx(80), Tx(81)});
    planeForms_->SetItems({Tx(80), Tx(81), Tx(82), Tx(83)});
    SetItems(objects_[0].kindBox, {84, 85, 86, 87}, KindOfCode(objects_[0].code));
    SetItems(objects_[1].kindBox, {84, 85, 86, 87}, KindOfCode(objects_[1].code));
    SetItems(objects_[0].sizeBox, {362, 368, 369}, objects_[0].size);
    SetItems(objects_[1].sizeBox, {365, 370, 371}, objects_[1].size);
    updating_ = false;
    ShowChoices();
    calcButton_->setText(Tx(18));
    NameButtons(this);
}

// The fields are named by the letter pictures above their columns and the labels beside them, which
// change with the kind of object (a sphere's first column is its centre m) and the radius choice.
void GeometryPage::NameFields() {
    for (std::size_t i = 0; i < objects_.size(); ++i) {
        Object& o = objects_[i];
        const QString n = QString::number(i + 1);
        const std::array<QLineEdit*, 3>* columns[3] = {&o.aEdits, &o.bEdits, &o.cEdits};
        for (int column = 0; column < 3; ++column) {
            const char letter = column == 0 && o.code == CodeSphere ? 'm' : Letters[column];
            for (std::size_t axis = 0; axis < 3; ++axis)
                (*columns[column])[axis]->setAccessibleName(QLatin1Char(letter) + n + QStringLiteral(", ") +
                                                            QLatin1Char(Axes[axis]));
        }
        for (std::size_t j = 0; j < 4; ++j)
            o.kEdits[j]->setAccessibleName(o.kLabels[j]->text());
        o.rEdit->setAccessibleName(o.sizeBox->currentText());
    }
}

void GeometryPage::StartUp() {
    Arrange({KindOfCode(objects_[0].code), KindOfCode(objects_[1].code)});
    WriteAllFields();
}

void GeometryPage::TakeOverFields() {
    ReadObject(0);
    ReadObject(1);
}

QStringList GeometryPage::ReportLines() const {
    if (memo_->document()->isEmpty()) return {};
    return memo_->toPlainText().split(QLatin1Char('\n'));
}

QFont GeometryPage::ReportFont() const {
    return memo_->font();
}

void GeometryPage::Arrange(const std::array<int, 2>& kinds) {
    const FormArrangement f = ArrangeForms(kinds, lineForm_, planeForm_);
    lineForm_ = f.lineForm;
    planeForm_ = f.planeForm;
    objects_[0].code = f.codes[0];
    objects_[1].code = f.codes[1];
    ShowObject(0);
    ShowObject(1);
    lineForms_->setVisible(f.showLineForms);
    planeForms_->setVisible(f.showPlaneForms);
    ShowChoices();
}

void GeometryPage::ShowChoices() {
    lineForms_->SetItemIndex(lineForm_);
    planeForms_->SetItemIndex(planeForm_);
    updating_ = true;
    for (Object& o : objects_) {
        if (o.kindBox->count() > 0) o.kindBox->setCurrentIndex(KindOfCode(o.code));
        if (o.sizeBox->count() > 0) o.sizeBox->setCurrentIndex(o.size);
    }
    updating_ = false;
    NameFields();
}

void GeometryPage::ShowObject(int index) {
    Object& o = objects_[static_cast<std::size_t>(index)];
    const int code = o.code;
    const bool sphere = code == CodeSphere;
    const bool numbers = code == CodePlaneNormal || code == CodePlaneEquation;
    const bool b = code >= CodeLineParam && code <= CodePlanePoints;
    const bool c = code == CodePlaneParam || code == CodePlanePoints;
    SetTripleVisible(o.aEdits[0], o.aEdits[1], o.aEdits[2], !numbers);
    SetTripleVisible(o.bEdits[0], o.bEdits[1], o.bEdits[2], b);
    SetTripleVisible(o.cEdits[0], o.cEdits[1], o.cEdits[2], c);
    o.aImage->setVisible(!numbers && !sphere);
    o.mImage->setVisible(sphere);
    o.bImage->setVisible(b);
    o.cImage->setVisible(c);
    for (std::size_t j = 0; j < 4; ++j) {
        o.kEdits[j]->setVisible(numbers);
        o.kLabels[j]->setVisible(numbers);
        o.kEdits[j]->setEnabled(code != CodePlaneNormal);
    }
    o.sizeBox->setVisible(sphere);
    o.rEdit->setVisible(sphere);
    const QString picture = QStringLiteral("PLE%1%2").arg(index + 1).arg(code);
    SetPicture(o.formImage, picture);
}

void GeometryPage::SetCoordinateForm(Object& o) {
    TVektor n{};
    Extended d = 0;
    EbeneParamToKoord(o.a.value, o.b.value, o.c.value, n, d);
    o.k[0].value = n.x;
    o.k[1].value = n.y;
    o.k[2].value = n.z;
    o.k[3].value = d;
    for (ScalarCell& cell : o.k)
        cell.stale = false;
}

void GeometryPage::ReadObject(int index) {
    Object& o = objects_[static_cast<std::size_t>(index)];
    switch (o.code) {
    case CodePoint:
        ReadVectorEdits(o.aEdits[0], o.aEdits[1], o.aEdits[2], o.a);
        break;
    case CodeLineParam:
        ReadVectorEdits(o.aEdits[0], o.aEdits[1], o.aEdits[2], o.a);
        ReadVectorEdits(o.bEdits[0], o.bEdits[1], o.bEdits[2], o.b);
        break;
    case CodeLinePoints:
        ReadPointForm(o.aEdits, o.a, {{o.bEdits, o.b}});
        break;
    case CodePlaneParam:
    case CodePlanePoints: {
        const bool stale = AnyStale(o.a) || AnyStale(o.b) || AnyStale(o.c);
        if (o.code == CodePlaneParam) {
            ReadVectorEdits(o.aEdits[0], o.aEdits[1], o.aEdits[2], o.a);
            ReadVectorEdits(o.bEdits[0], o.bEdits[1], o.bEdits[2], o.b);
            ReadVectorEdits(o.cEdits[0], o.cEdits[1], o.cEdits[2], o.c);
        } else {
            ReadPointForm(o.aEdits, o.a, {{o.bEdits, o.b}, {o.cEdits, o.c}});
        }
        if (stale) SetCoordinateForm(o);
        break;
    }
    case CodePlaneNormal:
        break; // the fields only show the plane
    case CodePlaneEquation: {
        const bool stale = o.k[0].stale || o.k[1].stale || o.k[2].stale || o.k[3].stale;
        if (!stale) break;
        for (std::size_t j = 0; j < 4; ++j) {
            o.k[j].stale = true;
            ReadScalarEdit(o.kEdits[j], o.k[j]);
        }
        TVektor a{}, b{}, c{};
        EbeneKoordToParam({o.k[0].value, o.k[1].value, o.k[2].value}, o.k[3].value, a, b, c);
        o.a = VectorCell{{}, a};
        o.b = VectorCell{{}, b};
        o.c = VectorCell{{}, c};
        break;
    }
    default:
        ReadVectorEdits(o.aEdits[0], o.aEdits[1], o.aEdits[2], o.a);
        if (o.r.stale) {
            const Extended radius = RadiusFrom(Evaluate(o.rEdit), o.size);
            o.r = ScalarCell{false, radius};
        }
        break;
    }
}

void GeometryPage::WriteObject(int index, bool keepTyped) {
    Object& o = objects_[static_cast<std::size_t>(index)];
    // What the user typed (a stale field) may stay: it is read in the meaning the field has now.
    const auto put = [keepTyped](QLineEdit* edit, bool stale, Extended value) {
        if (keepTyped && stale) return;
        edit->setText(Formatted(value));
    };
    const auto putVector = [&put](const std::array<QLineEdit*, 3>& edits, const VectorCell& cell,
                                  const TVektor& value) {
        for (int i = 0; i < 3; ++i)
            put(edits[static_cast<std::size_t>(i)], cell.stale[static_cast<std::size_t>(i)],
                Component(value, i));
    };

    switch (o.code) {
    case CodePoint:
        putVector(o.aEdits, o.a, o.a.value);
        break;
    case CodeLineParam:
        putVector(o.aEdits, o.a, o.a.value);
        putVector(o.bEdits, o.b, o.b.value);
        break;
    case CodeLinePoints: {
        const TVektor b = VAdd(o.a.value, o.b.value);
        putVector(o.aEdits, o.a, o.a.value);
        putVector(o.bEdits, o.b, b);
        break;
    }
    case CodePlaneParam:
        putVector(o.aEdits, o.a, o.a.value);
        putVector(o.bEdits, o.b, o.b.value);
        putVector(o.cEdits, o.c, o.c.value);
        break;
    case CodePlanePoints: {
        const TVektor b = VAdd(o.a.value, o.b.value);
        const TVektor c = VAdd(o.a.value, o.c.value);
        putVector(o.aEdits, o.a, o.a.value);
        putVector(o.bEdits, o.b, b);
        putVector(o.cEdits, o.c, c);
        break;
    }
    case CodePlaneNormal: {
        // The unit normal and the distance from the origin; the cells keep the coordinate form.
        const Extended length = VLength({o.k[0].value, o.k[1].value, o.k[2].value});
        for (std::size_t j = 0; j < 4; ++j) {
            const Extended shown = length > 0 ? Checked([&] { return o.k[j].value / length; }) : 0;
            o.kEdits[j]->setText(Formatted(shown));
        }
        // Nothing reads these fields, and a stale mark would let the normalised values replace the
        // coordinate form where the same fields are read later.
        for (ScalarCell& cell : o.k)
            cell.stale = false;
        break;
    }
    case CodePlaneEquation:
        for (std::size_t j = 0; j < 4; ++j)
            put(o.kEdits[j], o.k[j].stale, o.k[j].value);
        break;
    default: {
        const Extended shown = SizeFrom(o.r.value, o.size);
        putVector(o.aEdits, o.a, o.a.value);
        put(o.rEdit, o.r.stale, shown);
        break;
    }
    }
}

void GeometryPage::WriteAllFields() {
    // Every field gets its cell, the fields of each object's form then show them in that form. The
    // cells are what the fields say, so nothing is stale afterwards.
    for (std::size_t i = 0; i < 2; ++i) {
        Object& o = objects_[i];
        WriteVectorEdits(o.a.value, o.aEdits[0], o.aEdits[1], o.aEdits[2]);
        WriteVectorEdits(o.b.value, o.bEdits[0], o.bEdits[1], o.bEdits[2]);
        WriteVectorEdits(o.c.value, o.cEdits[0], o.cEdits[1], o.cEdits[2]);
        for (std::size_t j = 0; j < 4; ++j)
            WriteScalarEdit(o.k[j].value, o.kEdits[j]);
        WriteScalarEdit(SizeFrom(o.r.value, o.size), o.rEdit);
        WriteObject(static_cast<int>(i), false);
    }
    ClearStale();
}

void GeometryPage::ClearStale() {
    for (Object& o : objects_) {
        o.a.stale = o.b.stale = o.c.stale = {};
        for (ScalarCell& cell : o.k)
            cell.stale = false;
        o.r.stale = false;
    }
}

void GeometryPage::PLE_L_ComboBoxChange(int index) {
    if (updating_) return;
    Object& changed = objects_[static_cast<std::size_t>(index)];
    const int kind = changed.kindBox->currentIndex();
    if (kind < 0) return;
    const int oldKind = KindOfCode(changed.code);
    std::array<int, 2> kinds = {KindOfCode(objects_[0].code), KindOfCode(objects_[1].code)};
    kinds[static_cast<std::size_t>(index)] = kind;
    const FormArrangement f = ArrangeForms(kinds, lineForm_, planeForm_);

    // An object that changes its form is read in the form it had and written in the new one, so that
    // its fields always show what the next calculation uses. Until then the old kind stays.
    std::array<int, 2> oldCodes = {objects_[0].code, objects_[1].code};
    std::array<GeometryInput, 2> planes{};
    try {
        for (std::size_t i = 0; i < 2; ++i) {
            if (f.codes[i] == oldCodes[i]) continue;
            ReadObject(static_cast<int>(i));
            if (IsPlaneCode(f.codes[i]) && !IsPlaneCode(oldCodes[i])) {
                // A plane that appears is the one its parametric cells describe, in all its forms.
                const Object& o = objects_[i];
                EbeneParamToKoord(o.a.value, o.b.value, o.c.value, planes[i].n, planes[i].d);
            }
        }
    } catch (...) {
        updating_ = true;
        changed.kindBox->setCurrentIndex(oldKind);
        updating_ = false;
        throw;
    }

    Arrange(kinds);
    for (std::size_t i = 0; i < 2; ++i) {
        if (objects_[i].code == oldCodes[i]) continue;
        Object& o = objects_[i];
        if (IsPlaneCode(o.code) && !IsPlaneCode(oldCodes[i])) {
            const Extended values[4] = {planes[i].n.x, planes[i].n.y, planes[i].n.z, planes[i].d};
            // Typed coordinate-form numbers stay where that form reads them.
            for (std::size_t j = 0; j < 4; ++j)
                if (o.code != CodePlaneEquation || !o.k[j].stale) o.k[j].value = values[j];
        }
        WriteObject(static_cast<int>(i), true);
    }
    emit SketchChanged();
}

void GeometryPage::FormClick(bool lineForms) {
    RadioGroupBox* group = lineForms ? lineForms_ : planeForms_;
    const int chosen = group->ItemIndex();
    const int current = lineForms ? lineForm_ : planeForm_;
    if (chosen < 0 || chosen == current) return;
    // Both objects are read in the forms they have; a field that fails leaves the old form chosen.
    group->SetItemIndex(current);
    ReadObject(0);
    ReadObject(1);
    (lineForms ? lineForm_ : planeForm_) = chosen;
    Arrange({KindOfCode(objects_[0].code), KindOfCode(objects_[1].code)});
    WriteObject(0, false);
    WriteObject(1, false);
    emit SketchChanged();
}

void GeometryPage::PLE_Kug_ComboBoxChange(int index) {
    if (updating_) return;
    Object& o = objects_[static_cast<std::size_t>(index)];
    const int size = o.sizeBox->currentIndex();
    if (size < 0 || size == o.size) return;
    // A typed value is taken in the meaning the field had when it was typed.
    if (o.r.stale) {
        try {
            const Extended radius = RadiusFrom(Evaluate(o.rEdit), o.size);
            o.r = ScalarCell{false, radius};
        } catch (...) {
            updating_ = true;
            o.sizeBox->setCurrentIndex(o.size);
            updating_ = false;
            throw;
        }
    }
    const Extended shown = SizeFrom(o.r.value, size);
    o.size = size;
    o.rEdit->setText(Formatted(shown));
    o.r.stale = false;
    NameFields();
}

GeometryInput GeometryPage::Input(const Object& o) {
    GeometryInput in;
    in.a = o.a.value;
    in.b = o.b.value;
    in.c = o.c.value;
    in.n = {o.k[0].value, o.k[1].value, o.k[2].value};
    in.d = o.k[3].value;
    in.r = o.r.value;
    return in;
}

void GeometryPage::PLE_Calc_ButtonClick() {
    ReadObject(0);
    ReadObject(1);

    if (PLE_Clear)
        memo_->clear();
    else if (!memo_->document()->isEmpty())
        memo_->appendPlainText(PLE_Trennstrich ? QString(52, QLatin1Char('-')) : QStringLiteral(" "));

    std::vector<std::string> messages;
    const GeometryBody first = ValidateObject(objects_[0].code, 1, Input(objects_[0]), messages);
    const GeometryBody second = ValidateObject(objects_[1].code, 2, Input(objects_[1]), messages);
    for (const std::string& line : messages)
        memo_->appendPlainText(QString::fromStdString(line));
    for (const std::string& line : ReportFor(first, second))
        memo_->appendPlainText(QString::fromStdString(line));
    emit SketchChanged();
}

SketchScene GeometryPage::Sketch() const {
    // Validated as the calculation validates them; the messages are the memo's, not the sketch's.
    std::vector<std::string> messages;
    const GeometryBody first = ValidateObject(objects_[0].code, 1, Input(objects_[0]), messages);
    const GeometryBody second = ValidateObject(objects_[1].code, 2, Input(objects_[1]), messages);
    return GeometrySketch(first, second);
}

void GeometryPage::PLE_Clear_ButtonClick() {
    for (Object& o : objects_) {
        for (const auto* column : {&o.aEdits, &o.bEdits, &o.cEdits})
            for (QLineEdit* edit : *column)
                edit->setText(QStringLiteral("0"));
        for (QLineEdit* edit : o.kEdits)
            edit->setText(QStringLiteral("0"));
        o.rEdit->setText(QStringLiteral("0"));
        o.a = o.b = o.c = VectorCell{};
        o.k = {};
        o.r = ScalarCell{};
    }
    emit SketchChanged();
}

} // namespace quillon
