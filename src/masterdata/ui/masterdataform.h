#pragma once

#include <initializer_list>

#include "masterdata/keys.h"
#include "platform/ui/form.h"

class DataControl;
class QFormLayout;
class QGroupBox;
class QLineEdit;
class QPushButton;
class QVBoxLayout;

// What the editors whose boxes are bound to their data control (categories,
// brands, suppliers, customers) have in common: a heading, a column of
// buttons, a frame of labelled boxes, and the way they find and store a row.
class MasterDataForm : public Form
{
    Q_OBJECT

public:
    // Reads the table; its first row is shown.
    void Form_Load() override;

protected:
    MasterDataForm(const QString &formName, const QString &caption, const QString &heading, const QString &subHeading,
                   KeyColumn key);

    // The screen's data control, the system's recordset of its table.
    virtual DataControl &control() = 0;
    const KeyColumn &key() const { return m_key; }

    // The frame that holds the record's boxes; there is one per screen.
    // While it is disabled the boxes show the row but cannot be typed into.
    QGroupBox *makeFrame(const char *name, bool enabled);
    QGroupBox *frame() const { return m_frame; }
    // A box in the frame, under its label, showing and editing one column of
    // the current row.
    QLineEdit *addBoundBox(const char *name, const QString &label, const QString &column);
    // A button in the screen's column of buttons, in the order added.
    QPushButton *addButton(const char *name, const QString &caption);

    // Asks with the prompt, re-reads the table (dropping a row being added
    // or edited) and moves to the first row whose column holds the answer
    // exactly as typed. Without a match the recordset stands past its last
    // row, the boxes are blank and nothing is said.
    void findRow(const QString &prompt, const QString &column);

    // Stores the current row as storeKeyedRow() does and shows the user any
    // refusal. False while a refused row is still waiting to be stored, with
    // the typed values in the boxes; true once nothing is pending.
    bool saveRow();

    static void enable(std::initializer_list<QWidget *> controls, bool enabled);

private:
    KeyColumn m_key;
    QVBoxLayout *m_buttons = nullptr;
    QVBoxLayout *m_content = nullptr;
    QFormLayout *m_frameLayout = nullptr;
    QGroupBox *m_frame = nullptr;
};
