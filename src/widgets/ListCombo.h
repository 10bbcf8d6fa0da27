#pragma once

#include <QComboBox>
#include <QValidator>

namespace markroll {

/// Refuses, as they are typed or pasted, characters that the document's code page cannot hold; line breaks,
/// which a text of the file cannot hold, become blanks.
class CodePageValidator : public QValidator {
    Q_OBJECT
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

/// An editable list whose edit field is committed with Enter.
///
/// The toolkit's editable combo box would, on Enter or on leaving the field, select another item whose text
/// happens to equal the typed text, and it would complete typed text from the items. The parallel lists of
/// the dialogs must keep their common selection, so both are switched off: only the user's pick from the
/// drop-down list (activated) or the dialog changes the selection.
class ListCombo : public QComboBox {
    Q_OBJECT
public:
    explicit ListCombo(QWidget* parent = nullptr);

signals:
    /// Enter or Return was pressed in the edit field.
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace markroll
