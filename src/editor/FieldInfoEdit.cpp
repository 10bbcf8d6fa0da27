#include "editor/FieldInfoEdit.h"

#include <QPoint>
#include <QString>

#include "document/TextNumber.h"
#include "editor/FieldInfo.h"
#include "platform/InputBox.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"

namespace markroll {

bool EditFieldInfo(QWidget* parent, Document& doc, int& cat, int& fld) {
    std::string current = GetFieldInfo(doc, cat, fld);
    if (current.empty())
        current = Space(InfoLen);
    const QString title = QStringLiteral("Info for Field %1 (Catagory %2)")
                              .arg(QString::fromStdString(NumTextTrim(fld)), QString::fromStdString(NumTextTrim(cat)));
    const QString answer =
        InputBox::Show(parent, QStringLiteral("Enter Field Description:"), title, FromBytes(current), QPoint(100, 900));
    if (answer.isEmpty())
        return false;
    bool ok = true;
    const std::string bytes = ToBytes(answer, &ok);
    if (!ok) {
        MessageBox::Show(parent,
                         QStringLiteral("The description holds characters that a markroll file cannot store.\n"
                                        "The description is left as it was."),
                         MsgButtons::Ok, MsgIcon::Exclamation, title);
        return false;
    }
    SetFieldInfo(doc, cat, fld, bytes);
    return true;
}

} // namespace markroll
