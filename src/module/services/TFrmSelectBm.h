#pragma once

#include "platform/widgets/TForm.h"

class TFlatButton;
class TListView;
class TRopWin;

// The department picker: a modal list of departments (code, name) that the caller fills, with
// F3 to search codes and names for a text and Ctrl+F3 to go on to the next match below. OK,
// Enter or a double-click on a row end it with OK when a row is selected; Esc or the close box
// with Cancel. The caller then reads SelectedCode.
class TFrmSelectBm : public TDialogForm {
    Q_OBJECT
public:
    explicit TFrmSelectBm(QWidget *owner = nullptr);

    void AddDepartment(const QString &code, const QString &name);
    // The code of the selected row; empty when none is selected.
    QString SelectedCode() const;

protected:
    void showEvent(QShowEvent *event) override;
    void FormKeyDown(int &key, Qt::KeyboardModifiers shift) override;

private:
    void btnOkClick();
    void btnhelpClick();
    void FormCreate();
    void FormShow();
    void LvBmKeyDown(int &key);
    void LvBmKeyPress(QChar &key);
    // From the first row, or from the row after the selected one; the first row whose code or
    // name contains the search text is selected.
    void Find(bool fromStart);

    TListView *LvBm;
    TFlatButton *btnOk;
    TFlatButton *btnhelp;
    TRopWin *RopHelp;
    QString m_searchText;
};
