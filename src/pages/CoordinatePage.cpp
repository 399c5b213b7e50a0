#include "pages/CoordinatePage.h"

#include "core/FloatError.h"
#include "core/Handle.h"
#include "core/IniFile.h"
#include "math/GVektor.h"
#include "pages/ErrorDisplay.h"
#include "pages/FieldAids.h"
#include "pages/PageSketches.h"
#include "pages/Pictures.h"
#include "pages/RadioGroup.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <utility>

namespace quillon {
namespace {

constexpr const char* Section = "Koordinatensysteme";
constexpr const char* ConventionKey = "KKugelZ_RadioGroup.ItemIndex";
constexpr const char* DegreeKey = "KDegMode";

constexpr int ColumnLefts[3] = {8, 186, 364};
constexpr int RowTops[3] = {16, 48, 80};
constexpr int LetterWidth = 20;
constexpr int EditWidth = 146;
constexpr int ButtonTop = 116;
constexpr int ColumnWidth = LetterWidth + 4 + EditWidth;

std::array<QLineEdit*, 3> MakeColumn(QWidget* parent, int column, const char* prefix,
                                     const std::array<QString, 3>& letters) {
    std::array<QLineEdit*, 3> edits{};
    const char axes[3] = {'x', 'y', 'z'};
    for (int i = 0; i < 3; ++i) {
        const int left = ColumnLefts[column];
        auto* letter = new QLabel(letters[static_cast<std::size_t>(i)], parent);
        QFont font = letter->font();
        font.setItalic(true);
        font.setBold(true);
        letter->setFont(font);
        letter->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        letter->setGeometry(left, RowTops[i], LetterWidth, 24);
        auto* edit = new QLineEdit(QStringLiteral("0"), parent);
        edit->setObjectName(QLatin1String(prefix) + QLatin1Char(axes[i]) + QLatin1String("_Edit"));
        edit->setGeometry(left + LetterWidth + 4, RowTops[i], EditWidth, 24);
        edits[static_cast<std::size_t>(i)] = edit;
    }
    return edits;
}

// The letters beside the fields of the Cartesian, spherical and cylindrical systems.
std::array<QString, 3> Letters(int system) {
    const QString theta(QChar(0x03B8)), phi(QChar(0x03C6));
    switch (system) {
    case 0:
        return {QStringLiteral("x"), QStringLiteral("y"), QStringLiteral("z")};
    case 1:
        return {QStringLiteral("r"), theta, phi};
    default:
        return {QStringLiteral("r"), phi, QStringLiteral("z")};
    }
}

QPushButton* Placed(QPushButton* button, int column) {
    button->setGeometry(ColumnLefts[column], ButtonTop, ColumnWidth, 30);
    return button;
}

QString Hint(Extended x, bool isAngle) {
    return QString::fromStdString(ExactValueText(x, isAngle));
}

} // namespace

CoordinatePage::CoordinatePage(QWidget* parent, Build when) : CalcPage(parent) {
    setObjectName(QStringLiteral("K_TabSheet"));
    BuildControlsWhen(when, [this] {
        BuildControls();
        ShowSketch();
    });
}

CoordinatePage::~CoordinatePage() = default;

void CoordinatePage::BuildControls() {
    cartesianEdits_ = MakeColumn(this, 0, "KKar", Letters(0));
    sphericalEdits_ = MakeColumn(this, 1, "KKug", Letters(1));
    cylindricalEdits_ = MakeColumn(this, 2, "KZyl", Letters(2));
    BindVectorEdits(cartesianEdits_[0], cartesianEdits_[1], cartesianEdits_[2], cartesian_);
    BindVectorEdits(sphericalEdits_[0], sphericalEdits_[1], sphericalEdits_[2], spherical_);
    BindVectorEdits(cylindricalEdits_[0], cylindricalEdits_[1], cylindricalEdits_[2], cylindrical_);

    cartesianButton_ = Placed(AddButton(QStringLiteral("kartesische Koordinaten"),
                                        QStringLiteral("kartesische_Koordinaten_Button"),
                                        [this] { kartesische_Koordinaten_ButtonClick(); }),
                              0);
    sphericalButton_ =
        Placed(AddButton(QStringLiteral("Kugelkoordinaten"), QStringLiteral("Kugelkoordinaten_Button"),
                         [this] { Kugelkoordinaten_ButtonClick(); }),
               1);
    cylindricalButton_ =
        Placed(AddButton(QStringLiteral("Zylinderkoordinaten"), QStringLiteral("Zylinderkoordinaten_Button"),
                         [this] { Zylinderkoordinaten_ButtonClick(); }),
               2);

    conventionGroup_ = new RadioGroupBox(this);
    conventionGroup_->setObjectName(QStringLiteral("KKugelZ_RadioGroup"));
    conventionGroup_->setGeometry(8, 168, 256, 76);
    conventionGroup_->SetItems(
        {QStringLiteral("theta ist Winkel zur z-Achse"), QStringLiteral("theta ist Winkel zur xy-Ebene")});
    conventionGroup_->SetItemIndex(0);
    unitGroup_ = new RadioGroupBox(this);
    unitGroup_->setObjectName(QStringLiteral("K_Rad_Deg_RadioGroup"));
    unitGroup_->setGeometry(8, 254, 120, 76);
    unitGroup_->SetItems({QStringLiteral("RAD"), QStringLiteral("DEG")});
    unitGroup_->SetItemIndex(0);

    // The two conventions' sketches share one place; the cylinder stands beside them.
    const QRect sketch(264, 162, 136, 136);
    sphereZSketch_ = MakePicture(this, "KKugelZ_Image", QStringLiteral("KKugelZ"), sketch);
    sphereXYSketch_ = MakePicture(this, "KKugelXY_Image", QStringLiteral("KKugelXY"), sketch);
    MakePicture(this, "KZylinder_Image", QStringLiteral("KZylinder"), sketch.translated(140, 0));

    connect(conventionGroup_, &RadioGroupBox::Clicked, this, Guarded([this] { KKugelZ_RadioGroupClick(); }));
    connect(unitGroup_, &RadioGroupBox::Clicked, this, Guarded([this] { K_Rad_Deg_RadioGroupClick(); }));

    // Return converts from the system whose field it is pressed in; Tab reads the columns, then the
    // conversions.
    auto* enterKeys = new EnterKeyRunner(this);
    QList<QWidget*> tabs;
    const std::pair<const std::array<QLineEdit*, 3>*, QPushButton*> systems[3] = {
        {&cartesianEdits_, cartesianButton_},
        {&sphericalEdits_, sphericalButton_},
        {&cylindricalEdits_, cylindricalButton_}};
    for (const auto& [edits, button] : systems)
        for (QLineEdit* edit : *edits) {
            enterKeys->Add(edit, button);
            tabs << edit;
        }
    tabs << cartesianButton_ << sphericalButton_ << cylindricalButton_;
    ChainTabs(this, tabs);
    MakeFieldsReadable(this);
}

void CoordinatePage::ReadSettings(const IniFile& ini) {
    // Only the two known conventions exist; a foreign number falls back to the default.
    convention_ = ini.ReadInteger(Section, ConventionKey, 0) == 1 ? 1 : 0;
    degreeMode_ = ini.ReadBool(Section, DegreeKey, false);
    conventionGroup_->SetItemIndex(convention_);
    unitGroup_->SetItemIndex(degreeMode_ ? 1 : 0);
    ShowSketch();
}

void CoordinatePage::WriteSettings(IniFile& ini) {
    ini.WriteInteger(Section, ConventionKey, convention_);
    ini.WriteBool(Section, DegreeKey, degreeMode_);
}

void CoordinatePage::ApplyTexts() {
    conventionGroup_->SetItems({Tx(94), Tx(95)});
    cartesianButton_->setText(Tx(38));
    sphericalButton_->setText(Tx(37));
    cylindricalButton_->setText(Tx(39));
    cartesianButton_->setToolTip(Tx(60));
    sphericalButton_->setToolTip(Tx(72));
    cylindricalButton_->setToolTip(Tx(73));
    NameButtons(this);
    // A field is named by its system and the letter beside it.
    const std::pair<const std::array<QLineEdit*, 3>*, QPushButton*> systems[3] = {
        {&cartesianEdits_, cartesianButton_},
        {&sphericalEdits_, sphericalButton_},
        {&cylindricalEdits_, cylindricalButton_}};
    for (int system = 0; system < 3; ++system) {
        const auto& [edits, button] = systems[system];
        const std::array<QString, 3> letters = Letters(system);
        for (std::size_t i = 0; i < 3; ++i)
            (*edits)[i]->setAccessibleName(button->text() + QStringLiteral(", ") + letters[i]);
    }
}

void CoordinatePage::StartUp() {
    ShowSketch();
}

SketchScene CoordinatePage::Sketch() const {
    return CoordinateSketch(cartesian_.value, convention_, degreeMode_);
}

void CoordinatePage::ShowSketch() {
    sphereZSketch_->setVisible(convention_ == 0);
    sphereXYSketch_->setVisible(convention_ != 0);
}

void CoordinatePage::Read() {
    // Typed angles are in the unit shown; the cells hold radians. An angle is converted as soon as it
    // has been read, also when a later field fails, so that no degree value stays behind as radians.
    struct TypedAngle {
        VectorCell& cell;
        int component;
        bool stale;
    };
    TypedAngle angles[3] = {{spherical_, 1, spherical_.stale[1]},
                            {spherical_, 2, spherical_.stale[2]},
                            {cylindrical_, 1, cylindrical_.stale[1]}};
    struct ConvertReadAngles {
        TypedAngle (&angles)[3];
        bool degrees;
        ~ConvertReadAngles() {
            if (!degrees) return;
            for (TypedAngle& angle : angles) {
                if (!angle.stale || angle.cell.stale[static_cast<std::size_t>(angle.component)]) continue;
                Extended& value = angle.component == 1 ? angle.cell.value.y : angle.cell.value.z;
                value = DegToRad(value);
            }
        }
    } convert{angles, degreeMode_};

    ReadVectorEdits(cartesianEdits_[0], cartesianEdits_[1], cartesianEdits_[2], cartesian_);
    ReadVectorEdits(sphericalEdits_[0], sphericalEdits_[1], sphericalEdits_[2], spherical_);
    ReadVectorEdits(cylindricalEdits_[0], cylindricalEdits_[1], cylindricalEdits_[2], cylindrical_);
}

void CoordinatePage::Write() {
    WriteVectorEdits(cartesian_.value, cartesianEdits_[0], cartesianEdits_[1], cartesianEdits_[2]);
    WriteVectorEdits(spherical_.value, sphericalEdits_[0], sphericalEdits_[1], sphericalEdits_[2]);
    WriteVectorEdits(cylindrical_.value, cylindricalEdits_[0], cylindricalEdits_[1], cylindricalEdits_[2]);

    const TVektor& k = cartesian_.value;
    const TVektor& s = spherical_.value;
    const TVektor& c = cylindrical_.value;
    cartesianEdits_[0]->setToolTip(Hint(k.x, false));
    cartesianEdits_[1]->setToolTip(Hint(k.y, false));
    cartesianEdits_[2]->setToolTip(Hint(k.z, false));
    sphericalEdits_[0]->setToolTip(Hint(s.x, false));
    sphericalEdits_[1]->setToolTip(Hint(s.y, true));
    sphericalEdits_[2]->setToolTip(Hint(s.z, true));
    cylindricalEdits_[0]->setToolTip(Hint(c.x, false));
    cylindricalEdits_[1]->setToolTip(Hint(c.y, true));
    cylindricalEdits_[2]->setToolTip(Hint(c.z, false));

    if (degreeMode_) {
        const auto degrees = [](Extended radians) {
            return QString::fromStdString(FormatNumber(Checked([&] { return RadToDeg(radians); })));
        };
        sphericalEdits_[1]->setText(degrees(s.y));
        sphericalEdits_[2]->setText(degrees(s.z));
        cylindricalEdits_[1]->setText(degrees(c.y));
    }
    // The writes above marked every field stale; only what the user types from now on is.
    cartesian_.stale = {};
    spherical_.stale = {};
    cylindrical_.stale = {};
}

void CoordinatePage::kartesische_Koordinaten_ButtonClick() {
    Read();
    // Both results first: a conversion that overflows must not leave a cell that its fields do not show.
    const TVektor k = cartesian_.value;
    const auto [spherical, cylindrical] = Checked([&] {
        return std::pair{convention_ == 0 ? KartToKugelZ(k) : KartToKugelXY(k), KartToZyl(k)};
    });
    spherical_.value = spherical;
    cylindrical_.value = cylindrical;
    Write();
    emit SketchChanged();
}

void CoordinatePage::Kugelkoordinaten_ButtonClick() {
    Read();
    const TVektor s = spherical_.value;
    const auto [cartesian, cylindrical] = Checked([&] {
        return std::pair{convention_ == 0 ? KugelZToKart(s) : KugelXYToKart(s),
                         convention_ == 0 ? KugelZToZyl(s) : KugelXYToZyl(s)};
    });
    cartesian_.value = cartesian;
    cylindrical_.value = cylindrical;
    Write();
    emit SketchChanged();
}

void CoordinatePage::Zylinderkoordinaten_ButtonClick() {
    Read();
    const TVektor c = cylindrical_.value;
    const auto [cartesian, spherical] = Checked([&] {
        return std::pair{ZylToKart(c), convention_ == 0 ? ZylToKugelZ(c) : ZylToKugelXY(c)};
    });
    cartesian_.value = cartesian;
    spherical_.value = spherical;
    Write();
    emit SketchChanged();
}

void CoordinatePage::KKugelZ_RadioGroupClick() {
    const int chosen = conventionGroup_->ItemIndex() == 1 ? 1 : 0;
    if (chosen == convention_) return;
    // Until the fields are read and the point re-expressed the old convention is in force; a field that
    // fails or a point that overflows leaves it shown, with the spherical cell still in it.
    conventionGroup_->SetItemIndex(convention_);
    Read();
    const TVektor s = spherical_.value;
    const TVektor reexpressed = Checked(
        [&] { return chosen == 0 ? KartToKugelZ(KugelXYToKart(s)) : KartToKugelXY(KugelZToKart(s)); });
    convention_ = chosen;
    conventionGroup_->SetItemIndex(chosen);
    ShowSketch();
    spherical_.value = reexpressed;
    Write();
    emit SketchChanged();
}

void CoordinatePage::K_Rad_Deg_RadioGroupClick() {
    const bool chosen = unitGroup_->ItemIndex() == 1;
    if (chosen == degreeMode_) return;
    // Typed angles are taken in the unit that was in force before the click.
    unitGroup_->SetItemIndex(degreeMode_ ? 1 : 0);
    Read();
    degreeMode_ = chosen;
    unitGroup_->SetItemIndex(chosen ? 1 : 0);
    Write();
    emit SketchChanged();
}

} // namespace quillon
