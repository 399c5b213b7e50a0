#include "app/SetLanguage.h"

#include "pages/ErrorDisplay.h"
#include "pages/RadioGroup.h"
#include "text/AllText.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>

namespace quillon {

TLanguageForm::TLanguageForm(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("TLanguageForm"));
    setWindowTitle(QStringLiteral("Quillon"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(10, 8, 10, 8);
    layout->setSpacing(2);
    for (const char* line : {"Bitte wählen Sie Ihre Sprache aus.", "Please select your language.",
                             "Por favor, elige el idioma.", "Por favor, escolha seu idioma"}) {
        layout->addWidget(new QLabel(QString::fromUtf8(line), this));
    }

    languages_ = new RadioGroupBox(this);
    languages_->setObjectName(QStringLiteral("RadioGroup1"));
    languages_->layout()->setSpacing(1);
    languages_->SetItems({QStringLiteral("Deutsch"), QStringLiteral("English"),
                          QString::fromUtf8("Español  / Castellano"), QStringLiteral("Italiano"),
                          QString::fromUtf8("Português")});
    languages_->SetItemIndex(0);
    layout->addSpacing(4);
    layout->addWidget(languages_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    layout->addWidget(ok, 0, Qt::AlignHCenter);
    connect(ok, &QPushButton::clicked, this, Guarded([this] { Button1Click(); }));

    // The size of the original form, unless a font wider than its own needs more to show every line.
    const QSize needed = layout->totalMinimumSize();
    setFixedSize(std::max(217, needed.width()), std::max(232, needed.height()));
}

void TLanguageForm::Button1Click() {
    if (languages_->ItemIndex() >= 0) LangIndex = languages_->ItemIndex() * 1000;
    accept();
}

} // namespace quillon
