#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "document/Document.h"
#include "modify/FieldSetup.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace markroll {

class UpDown;

/// "Modify Category": changes the name and weight of the user category the editor shows, inserts, appends,
/// deletes and switches its fields, sets one field for everybody, and opens the ordered listing by a field.
///
/// Control arrays are named with the index after an underscore: Opt_0 .. Opt_6, the boxes txt_0 .. txt_5 with
/// their labels Lab_0 .. Lab_5, and the spinners UD_0 .. UD_4 of the first five boxes.
class ModCatDlg : public QDialog {
    Q_OBJECT
public:
    explicit ModCatDlg(AppState& state, QWidget* parent = nullptr);

    /// What "&SaveFile" runs: the editor's Save As.
    void SetSaveAsHandler(std::function<void()> handler) { m_saveAs = std::move(handler); }
    /// True once an operation changed the document.
    bool DocumentChanged() const { return m_changed; }
    /// The option selected now, or -1 when none is.
    int SelectedOption() const { return m_option; }
    /// The header above the options: the caption of the category.
    QString Header() const;

    void Opt_Click(int index);
    void cmdApply_Click();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowLimit(const FieldLimit& limit);
    void Done(bool changed);
    void ColorSaveButton(bool changed);

    AppState& m_state;
    std::function<void()> m_saveAs;
    int m_option = -1;
    bool m_changed = false;

    QButtonGroup* m_opts = nullptr;
    std::array<QRadioButton*, NumFieldOptions> Opt{};
    std::array<QLineEdit*, NumFieldBoxes> txt{};
    std::array<UpDown*, NumFieldBoxes - 1> UD{};
    std::array<QLabel*, NumFieldBoxes> Lab{};
    QLabel* labFieldVar = nullptr;
    QPushButton* cmdApply = nullptr;
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdDispCat = nullptr;
    QPushButton* cmdMCSave = nullptr;
};

} // namespace markroll
