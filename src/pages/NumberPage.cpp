#include "pages/NumberPage.h"

#include <QBoxLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

namespace quillon {

QLineEdit* NumberPage::AddNumberField(QWidget* parent, const QString& name, std::function<void()> changed) {
    auto* edit = new QLineEdit(QStringLiteral("0"), parent);
    edit->setObjectName(name);
    if (changed) connect(edit, &QLineEdit::textChanged, this, Guarded(std::move(changed)));
    return edit;
}

QLabel* NumberPage::AddResultLabel(QBoxLayout* page, const QString& name, const QString& initial) {
    auto* label = new QLabel(initial, this);
    label->setObjectName(name);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumHeight(26);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    page->addWidget(label);
    return label;
}

QGridLayout* NumberPage::AddFunctionGrid(QBoxLayout* page, std::span<const FunctionButton> buttons,
                                         std::function<void(const FunctionButton&)> apply) {
    auto* box = new QGroupBox(this);
    auto* grid = new QGridLayout(box);
    grid->setContentsMargins(6, 6, 6, 6);
    grid->setSpacing(4);
    int position = 0;
    for (const FunctionButton& entry : buttons) {
        QPushButton* button = AddButton(QString::fromUtf8(entry.caption), QLatin1String(entry.name),
                                        [apply, &entry] { apply(entry); });
        button->setParent(box);
        grid->addWidget(button, position / 8, position % 8);
        ++position;
    }
    page->addWidget(box);
    return grid;
}

} // namespace quillon
