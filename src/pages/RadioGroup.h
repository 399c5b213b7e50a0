#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace quillon {

// A framed group of radio buttons with an item index, like the option groups of the pages: the
// buttons are children named by nothing, their texts are the items. Clicked reports a user's choice;
// SetItemIndex and SetItems do not.
class RadioGroupBox : public QGroupBox {
    Q_OBJECT
public:
    explicit RadioGroupBox(QWidget* parent = nullptr);

    // Replaces the items and keeps the item index where it still exists (-1 otherwise).
    void SetItems(const QStringList& items);
    QStringList Items() const;
    int ItemIndex() const;
    void SetItemIndex(int index);

signals:
    void Clicked(int index);

private:
    QButtonGroup* buttons_;
};

} // namespace quillon
