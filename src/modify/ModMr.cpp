#include "modify/ModMr.h"

#include <QButtonGroup>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>

#include "calc/Structure.h"
#include "document/Session.h"
#include "document/TextNumber.h"
#include "modify/CatView.h"
#include "modify/CategorySetup.h"
#include "platform/MessageBox.h"
#include "platform/Platform.h"
#include "widgets/CommandButton.h"

namespace markroll {

namespace {

const char* const OptCaptions[NumCategoryOptions] = {"&Insert Category", "&Append Category", "&Delete Category",
                                                     "S&witch Categories"};
constexpr int BoxTop = 16;
constexpr int BoxHeight = 24;
constexpr int BoxLeft = 200;
constexpr int BoxPitch = 100;
constexpr int NumberWidth = 56;
constexpr int NameWidth = 150;

} // namespace

ModMr::ModMr(AppState& state, QWidget* parent) : QDialog(parent), m_state(state) {
    setObjectName(QStringLiteral("ModMr"));
    m_opts = new QButtonGroup(this);
    for (int i = 0; i < NumCategoryOptions; ++i) {
        optMod[i] = new QRadioButton(QString::fromLatin1(OptCaptions[i]), this);
        optMod[i]->setObjectName(QStringLiteral("optMod_%1").arg(i));
        optMod[i]->setGeometry(16, 12 + 26 * i, 170, 24);
        m_opts->addButton(optMod[i], i);
    }
    connect(m_opts, &QButtonGroup::idClicked, this, &ModMr::optMod_Click);
    for (int k = 0; k < 5; ++k) {
        txtMod[k] = new QLineEdit(this);
        txtMod[k]->setObjectName(QStringLiteral("txtMod_%1").arg(k));
        txtMod[k]->setGeometry(BoxLeft + BoxPitch * k + (BoxPitch - NumberWidth) / 2, BoxTop,
                               k == 4 ? NameWidth : NumberWidth, BoxHeight);
        labMod[k] = new QLabel(this);
        labMod[k]->setObjectName(QStringLiteral("labMod_%1").arg(k));
    }
    // Enter in the position box reads the category typed there.
    txtMod[0]->installEventFilter(this);

    cmdApply = new CommandButton("cmdApply", QStringLiteral("Appl&y"), this);
    cmdExit = new CommandButton("cmdExit", QStringLiteral("&Exit"), this);
    cmdDisp = new CommandButton("cmdDisp", QStringLiteral("Di&splay"), this);
    int x = BoxLeft;
    for (QPushButton* button : {cmdApply, cmdExit, cmdDisp}) {
        button->setGeometry(x, 80, 90, 30);
        x += 110;
    }
    connect(cmdApply, &QPushButton::clicked, this, &ModMr::cmdApply_Click);
    connect(cmdExit, &QPushButton::clicked, this, &QDialog::reject);
    connect(cmdDisp, &QPushButton::clicked, this, [this] {
        CatView view(m_state, this);
        view.exec();
    });
    setFixedSize(BoxLeft + BoxPitch * 4 + (BoxPitch - NumberWidth) / 2 + NameWidth + 16, 126);

    // Load.
    setWindowTitle(QStringLiteral("Modify Markroll"));
    const int cats = m_state.doc.NumCats;
    m_position = cats - 1;
    m_switch1 = cats - 2;
    m_switch2 = cats - 1;
    optMod_Click(CatOptInsert);
    move(TwipsToPxX(200), TwipsToPxY(400));
}

void ModMr::Caption(int k, const QString& caption) {
    QLabel* label = labMod[static_cast<std::size_t>(k)];
    const QRect box = txtMod[static_cast<std::size_t>(k)]->geometry();
    label->setText(caption);
    label->adjustSize();
    label->move(box.left() + (box.width() - label->width()) / 2, box.top() + box.height());
    label->show();
}

void ModMr::Put(int k, int value) {
    txtMod[static_cast<std::size_t>(k)]->setText(QString::number(value));
}

void ModMr::ShowLimit(const std::string& text) {
    MessageBox::Show(this, FromBytes(text), MsgButtons::Ok, MsgIcon::Exclamation, windowTitle());
}

bool ModMr::Confirm(const std::string& text, int option) {
    return MessageBox::Show(this, FromBytes(text), MsgButtons::OkCancel, MsgIcon::None,
                            FromBytes(CategoryQuestionTitle(option))) == MsgAnswer::Ok;
}

void ModMr::SetCatData(int position) {
    // A position left past the last category by a change is taken as the last one.
    m_position = ClampCategory(m_state.doc, position);
    const auto boxes = CategoryBoxes(m_state.doc, m_position);
    const auto labels = CategoryLabels();
    for (std::size_t k = 0; k < 5; ++k) {
        txtMod[k]->show();
        txtMod[k]->setEnabled(true);
        txtMod[k]->setText(FromBytes(boxes[k]));
        Caption(static_cast<int>(k), FromBytes(labels[k]));
    }
}

void ModMr::optMod_Click(int index) {
    // One fallback at most: with 3..MaxCats categories Append or Delete always passes.
    for (int tries = 0; tries < NumCategoryOptions; ++tries) {
        m_option = index;
        optMod[static_cast<std::size_t>(index)]->setChecked(true);
        setWindowTitle(FromBytes(CategoryOptionCaption(index)));
        const auto limit = CategoryLimit(m_state.doc, index);
        if (!limit)
            break;
        ShowLimit(*limit);
        index = CategoryFallback(index);
    }
    switch (m_option) {
    case CatOptInsert:
        SetCatData(m_position);
        break;
    case CatOptAppend:
        SetCatData(m_position);
        Caption(0, QStringLiteral("Append After"));
        txtMod[0]->setEnabled(false);
        break;
    case CatOptDelete:
        SetCatData(m_position);
        Caption(0, QStringLiteral("Delete"));
        txtMod[0]->setEnabled(true);
        for (int k = 1; k < 5; ++k)
            txtMod[static_cast<std::size_t>(k)]->setEnabled(false);
        break;
    default:
        for (const int k : {0, 2}) {
            txtMod[static_cast<std::size_t>(k)]->show();
            txtMod[static_cast<std::size_t>(k)]->setEnabled(true);
            Put(k, k == 0 ? m_switch1 : m_switch2);
            Caption(k, k == 0 ? QStringLiteral("Category1") : QStringLiteral("Category2"));
        }
        for (const int k : {1, 3}) {
            txtMod[static_cast<std::size_t>(k)]->hide();
            labMod[static_cast<std::size_t>(k)]->hide();
        }
        txtMod[4]->setEnabled(false);
        labMod[4]->hide();
        break;
    }
}

std::pair<int, int> ModMr::ReadSwitchBoxes() {
    const auto [n, m] = SwitchPair(m_state.doc, ToBytes(txtMod[0]->text()), ToBytes(txtMod[2]->text()));
    m_switch1 = n;
    m_switch2 = m;
    Put(0, n);
    Put(2, m);
    return {n, m};
}

bool ModMr::txtMod_KeyPress(int index, int key) {
    if (index != 0 || key != 13)
        return false;
    const Document& doc = m_state.doc;
    switch (m_option) {
    case CatOptInsert:
    case CatOptDelete:
        m_position = ReadCategoryBox(ToBytes(txtMod[0]->text()), 2, doc.NumCats - 1);
        Put(0, m_position);
        break;
    case CatOptAppend:
        m_position = doc.NumCats - 1;
        Put(0, m_position);
        break;
    default: {
        const auto [n, m] = ReadSwitchBoxes();
        break;
    }
    }
    optMod_Click(m_option);
    return true;
}

bool ModMr::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtMod[0] && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && txtMod_KeyPress(0, 13))
            return true;
    }
    return QDialog::eventFilter(watched, event);
}

void ModMr::cmdApply_Click() {
    Document& doc = m_state.doc;
    const int op = m_option;
    // The document may have changed since the option was selected; its limit holds at Apply as well.
    if (const auto limit = CategoryLimit(doc, op)) {
        ShowLimit(*limit);
        return;
    }
    std::string step;
    switch (op) {
    case CatOptInsert:
    case CatOptAppend: {
        std::array<std::string, 5> boxes;
        for (std::size_t k = 0; k < 5; ++k)
            boxes[k] = ToBytes(txtMod[k]->text());
        const NewCategory c = ReadNewCategory(doc, op, boxes);
        // What is confirmed is what the boxes show.
        m_position = c.Position;
        Put(0, op == CatOptAppend ? doc.NumCats - 1 : c.Position);
        Put(1, c.Weight);
        Put(2, c.UserFields);
        Put(3, c.FieldLength);
        txtMod[4]->setText(FromBytes(c.Name));
        if (!Confirm(NewCategoryText(doc, op, c), op))
            return;
        InsertCategory(doc, c.Position, c.UserFields + 1, c.FieldLength, c.Name, c.Weight);
        step = op == CatOptAppend ? "Append Category" : "Insert Category " + NumTextTrim(c.Position);
        break;
    }
    case CatOptDelete: {
        const int n = ReadCategoryBox(ToBytes(txtMod[0]->text()), 2, doc.NumCats - 1);
        m_position = n;
        Put(0, n);
        if (!Confirm(DeleteCategoryText(doc, n), op))
            return;
        DeleteCategory(doc, n);
        step = "Delete Category " + NumTextTrim(n);
        break;
    }
    default: {
        const auto [n, m] = ReadSwitchBoxes();
        if (!Confirm(SwitchCategoryText(n, m), op))
            return;
        SwitchCategories(doc, n, m);
        step = "Switch Categories " + NumTextTrim(n) + " and " + NumTextTrim(m);
        break;
    }
    }
    m_changed = true;
    m_state.Changed = true;
    CommitStep(m_state, step);
}

} // namespace markroll
