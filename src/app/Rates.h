#pragma once

#include <QDialog>
#include <QPoint>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quillon {

// The currency conversion: an amount on each side, a currency code on each side, conversion in either
// direction with the fixed euro rates, or with a typed factor when a side is not a euro currency. A
// frameless window in the shape of an ellipse, moved by dragging it. It starts with the remembered
// codes (WLinks, WRechts) and remembers what its code boxes hold when it closes.
class TRatesForm : public QDialog {
    Q_OBJECT
public:
    explicit TRatesForm(QWidget* parent = nullptr);

    // The current language's texts and the remembered codes into the controls.
    void RatesMainTxtInit();

    void done(int result) override;

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void FormCreate();
    void WLinksRechts_ButtonClick();
    void WRechtsLinks_ButtonClick();
    void WLinks_ComboBoxChange();
    void WRechts_ComboBoxChange();
    void FollowPointer(QMouseEvent* event);

    QLineEdit* WLinks_Edit = nullptr;
    QComboBox* WLinks_ComboBox = nullptr;
    QLineEdit* WRechts_Edit = nullptr;
    QComboBox* WRechts_ComboBox = nullptr;
    QPushButton* WLinksRechts_Button = nullptr;
    QPushButton* WRechtsLinks_Button = nullptr;
    QLabel* WLinks_Label = nullptr;
    QLabel* WRechts_Label = nullptr;
    QLabel* WUmrechnungsfaktor_Label = nullptr;
    QLineEdit* WFaktor_Edit = nullptr;
    QLabel* Label2 = nullptr;
    QPushButton* Close_Button = nullptr;

    bool filling_ = false; // the program, not the user, sets the code boxes
    bool dragging_ = false;
    QPoint dragStartPointer_;
    QPoint dragStartWindow_;
};

} // namespace quillon
