#include "pages/RadioGroup.h"

#include <QButtonGroup>
#include <QRadioButton>
#include <QVBoxLayout>

namespace quillon {

RadioGroupBox::RadioGroupBox(QWidget* parent) : QGroupBox(parent), buttons_(new QButtonGroup(this)) {
    new QVBoxLayout(this);
    connect(buttons_, &QButtonGroup::idClicked, this, &RadioGroupBox::Clicked);
}

void RadioGroupBox::SetItems(const QStringList& items) {
    const int index = ItemIndex();
    for (QAbstractButton* button : buttons_->buttons()) {
        buttons_->removeButton(button);
        delete button;
    }
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        buttons_->addButton(button, i);
        layout()->addWidget(button);
    }
    SetItemIndex(index < items.size() ? index : -1);
}

QStringList RadioGroupBox::Items() const {
    QStringList items;
    for (QAbstractButton* button : buttons_->buttons())
        items << button->text();
    return items;
}

int RadioGroupBox::ItemIndex() const {
    return buttons_->checkedId();
}

void RadioGroupBox::SetItemIndex(int index) {
    if (QAbstractButton* button = buttons_->button(index)) {
        button->setChecked(true);
        return;
    }
    // An exclusive group cannot uncheck its last button by itself.
    buttons_->setExclusive(false);
    for (QAbstractButton* button : buttons_->buttons())
        button->setChecked(false);
    buttons_->setExclusive(true);
}

} // namespace quillon
