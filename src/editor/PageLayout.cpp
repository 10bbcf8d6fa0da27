#include "editor/PageLayout.h"

#include <cmath>

#include "calc/CatCaption.h"
#include "document/TextNumber.h"

namespace markroll {

namespace {

template <typename T> T At(const std::vector<T>& v, int i) {
    return i >= 0 && static_cast<std::size_t>(i) < v.size() ? v[static_cast<std::size_t>(i)] : T{};
}

int Nearest(double x) {
    return static_cast<int>(RoundHalfEven(x));
}
int Fix(double x) {
    return static_cast<int>(std::trunc(x));
}

PageText Literal(float x, float y, Rgb color, std::string text) {
    PageText t;
    t.X = x;
    t.Y = y;
    t.Color = color;
    t.Literal = std::move(text);
    return t;
}

PageText Window(float x, float y, Rgb color, int row, int cat, int start, int count) {
    PageText t;
    t.X = x;
    t.Y = y;
    t.Color = color;
    t.Row = row;
    t.Cat = cat;
    t.Start = start;
    t.Count = count;
    return t;
}

class PageBuilder {
public:
    PageBuilder(const DisplaySettings& display, PageLayout& page) : m_display(display), m_page(page) {}

    Rgb Bg(int e) const { return m_display.BgColor[static_cast<std::size_t>(e)]; }
    Rgb Fg(int e) const { return m_display.FgColor[static_cast<std::size_t>(e)]; }

    PageRow& NewRow() {
        PageRow& row = m_page.Rows.emplace_back();
        row.Y = m_page.CurY;
        return row;
    }

    void Box(PageRow& row, float x, float w, Rgb color) const {
        row.Boxes.push_back({x, row.Y - RowTextOffset, w, m_page.RowH, color});
    }

    void WholeRowBox(PageRow& row, int element) const { Box(row, m_page.LeftX, m_page.ZoneWid[0], Bg(element)); }

    // The data and totals windows of a row of the shown category, starting at DataX.
    void Tail(PageRow& row, int r, int cat, Rgb color) const {
        row.Texts.push_back(Window(m_page.DataX, row.Y, color, r, cat, m_page.ZoneStart[4], m_page.ZoneShow[4]));
        row.Texts.push_back(Window(m_page.ZoneX(5), row.Y, color, r, cat, m_page.ZoneStart[5], m_page.ZoneShow[5]));
    }

    // x of a label centred (by the rule of each label) n characters into the ID# zone.
    float LabelX(int n) const { return m_page.ZoneWid[1] + m_page.LeftX + static_cast<float>(n) * m_page.CharW; }

    void NextRow() {
        m_page.CurY += m_page.RowH;
        m_page.CurX = m_page.LeftX;
    }

private:
    const DisplaySettings& m_display;
    PageLayout& m_page;
};

void Refuse(PageLayout& page, std::string message, std::string hint = {}) {
    page.Fits = false;
    page.Message = std::move(message);
    page.GroupEnabled = false;
    page.PageEnabled = false;
    page.Rows.clear();
    PageRow row;
    row.Y = page.TopY;
    row.Texts.push_back(Literal(page.LeftX, row.Y, 0x000000, page.Message));
    page.Rows.push_back(std::move(row));
    if (!hint.empty()) {
        PageRow next;
        next.Y = page.TopY + (page.RowH > 6 ? page.RowH : 240);
        next.Texts.push_back(Literal(page.LeftX, next.Y, 0x000000, std::move(hint)));
        page.Rows.push_back(std::move(next));
    }
}

const char* const TooSmall = "Window too small for this font";
const char* const TooSmallHint = "Choose a smaller font with \"Disp\".";

} // namespace

float PageLayout::ZoneX(int k) const {
    float x = LeftX;
    for (int z = 1; z < k && z <= NumZones; ++z)
        x += ZoneWid[static_cast<std::size_t>(z)];
    return x;
}

float PageLayout::RowY(int row, int numStudents) const {
    if (row > numStudents)
        return PossY;
    return PossY + static_cast<float>(row - FirstStu + 1) * RowH;
}

std::string RunText(const Document& doc, const PageText& run) {
    if (!run.FromDocument())
        return run.Literal;
    std::string text = Mid(doc.RowOrEmpty(run.Row, run.Cat), run.Start, run.Count);
    if (static_cast<int>(text.size()) < run.Count)
        text.append(static_cast<std::size_t>(run.Count) - text.size(), ' ');
    return text;
}

std::string RowNumberText(int row) {
    return Right(Space(2) + NumTextTrim(row), 2);
}

PageLayout DispCat(const Document& doc, std::int16_t& cat, std::int16_t& group, std::int16_t& page,
                   const DisplaySettings& display, const PageMetrics& metrics) {
    PageLayout p;
    if (cat > doc.NumCats - 1 || cat < 0)
        cat = 0;

    p.CharW = static_cast<float>(metrics.CharW);
    p.CharH = static_cast<float>(metrics.CharH);
    p.RowH = p.CharH + 6;
    p.LeftX = 0;
    p.TopY = PageTopY;
    p.CurX = p.LeftX;
    p.CurY = p.TopY;

    if (doc.NumCats < 1 || doc.Grid.size() < static_cast<std::size_t>(doc.NumCats) || doc.NumStudents < 0) {
        Refuse(p, "No markroll is open");
        return p;
    }
    if (!(p.CharW > 0) || !(p.CharH > 0)) {
        Refuse(p, TooSmall, TooSmallHint);
        return p;
    }

    // Students that fit between the title rows and the status bar, and fields across the screen. Either
    // falling below one leaves nothing to lay out, and the count is a divisor below.
    p.StuPerGroup = Fix((metrics.WindowHeight - 400 - metrics.SBarHeight) / p.RowH - 7);

    p.ZoneLen[1] = 3;
    p.ZoneLen[2] = display.IdDispLen + 1;
    p.ZoneLen[3] = display.NameDispLen + 1;
    p.ZoneLen[4] = 0;
    p.ZoneLen[5] = CellWidth + 1;
    p.ZoneLen[6] = 3;
    int fixedWidth = 0;
    for (int k = 1; k <= NumZones; ++k)
        fixedWidth += p.ZoneLen[static_cast<std::size_t>(k)];
    p.FldPerPage = Fix((metrics.ScreenWidth / p.CharW - fixedWidth - 2) / CellWidth);

    if (p.StuPerGroup < 1 || p.FldPerPage < 1) {
        Refuse(p, TooSmall, TooSmallHint);
        return p;
    }
    p.Fits = true;

    const int numStudents = doc.NumStudents;
    p.NumGroups = Fix(static_cast<double>(numStudents) / p.StuPerGroup + 0.99);
    p.GroupEnabled = p.NumGroups >= 2;
    if (group > p.NumGroups)
        group = 1;
    p.FirstStu = (group - 1) * p.StuPerGroup + 1;
    p.LastStu = p.FirstStu + p.StuPerGroup - 1;
    if (p.LastStu > numStudents)
        p.LastStu = numStudents;

    const int catFields = At(doc.CatFields, cat);
    p.NumPages = Fix(static_cast<double>(catFields - 1) / p.FldPerPage + 0.99);
    p.PageEnabled = p.NumPages >= 2;
    if (page > p.NumPages)
        page = 1;
    p.FirstFld = (page - 1) * p.FldPerPage + 1;
    p.LastFld = p.FirstFld + p.FldPerPage - 1;
    if (p.LastFld > catFields - 1)
        p.LastFld = catFields - 1;
    if (p.LastFld < p.FirstFld)
        p.FirstFld = p.LastFld;

    p.ZoneLen[4] = (p.LastFld - p.FirstFld + 1) * CellWidth + 1;
    p.ZoneLen[0] = p.ZoneLen[4] + fixedWidth;

    p.ZoneStart[1] = 1;
    p.ZoneStart[2] = IdLen - display.IdDispLen + 1;
    p.ZoneStart[3] = IdLen + 2;
    p.ZoneStart[4] = p.FirstFld * CellWidth + 1;
    p.ZoneStart[5] = 1;
    p.ZoneStart[6] = 1;
    float whole = 0;
    for (std::size_t k = 1; k <= NumZones; ++k) {
        p.ZoneShow[k] = p.ZoneLen[k] - 1;
        p.ZoneWid[k] = static_cast<float>(p.ZoneLen[k]) * p.CharW;
        whole = static_cast<float>(RoundHalfEven(whole + p.ZoneWid[k]));
    }
    p.ZoneWid[0] = whole;
    p.ZoneShow[0] = p.ZoneLen[0] - 1;

    p.DataX = p.ZoneWid[1] + p.LeftX + p.ZoneWid[2] + p.ZoneWid[3];
    p.DataEndX = p.DataX + p.ZoneWid[4] - p.CharW;
    p.SpanX0 = p.DataX;
    p.SpanX1 = p.DataEndX;

    PageBuilder b(display, p);
    const auto len = [](const std::string& s) { return static_cast<float>(s.size()); };

    {
        // Title: group at the left, category caption centred, page at the right, each boxed to its text.
        PageRow& row = b.NewRow();
        const std::string groupText = "Group " + NumTextTrim(group) + "/" + NumTextTrim(p.NumGroups);
        // A hand-edited file may hold a longer name than the program makes; the title shows what fits beside
        // the group and page labels, the document keeps the whole name.
        const std::string caption =
            CatCaption(cat, Left(At(doc.CatName, cat), MaxNameLen), At(doc.CatWeight, cat), At(doc.CatFields, cat));
        const std::string pageText = "Page " + NumTextTrim(page) + "/" + NumTextTrim(p.NumPages);
        const float groupX = p.LeftX;
        const float captionX = p.CurX + (p.ZoneWid[0] - len(caption) * p.CharW) / 2;
        const float pageX = p.ZoneWid[0] + p.CurX - len(pageText) * p.CharW;
        b.Box(row, groupX, len(groupText) * p.CharW, b.Bg(ElemGroup));
        b.Box(row, captionX, len(caption) * p.CharW, b.Bg(ElemCategory));
        b.Box(row, pageX, len(pageText) * p.CharW, b.Bg(ElemPage));
        row.Texts.push_back(Literal(groupX, row.Y, b.Fg(ElemGroup), groupText));
        row.Texts.push_back(Literal(captionX, row.Y, b.Fg(ElemCategory), caption));
        row.Texts.push_back(Literal(pageX, row.Y, b.Fg(ElemPage), pageText));
        b.NextRow();
    }
    {
        PageRow& row = b.NewRow();
        b.WholeRowBox(row, ElemBorder);
        std::string idTitle = "ID#";
        int n = Nearest((display.IdDispLen - 3) / 2.0);
        if (n < 0) {
            idTitle = "#";
            n = 0;
        }
        row.Texts.push_back(Literal(b.LabelX(n), row.Y, b.Fg(ElemBorder), idTitle));
        std::string nameTitle = "NAME";
        n = Nearest((display.NameDispLen - 4) / 2.0);
        if (n < 0) {
            nameTitle = "N";
            n = 0;
        }
        row.Texts.push_back(Literal(b.LabelX(n) + p.ZoneWid[2], row.Y, b.Fg(ElemBorder), nameTitle));
        b.Tail(row, doc.TitleRow(), cat, b.Fg(ElemBorder));
        b.NextRow();
    }
    const float idNameChars = (p.ZoneWid[2] + p.ZoneWid[3]) / p.CharW;
    {
        PageRow& row = b.NewRow();
        p.PossY = row.Y;
        b.WholeRowBox(row, ElemBar);
        std::string label = "Possible Points";
        int n = Nearest((idNameChars - len(label)) / 2);
        if (n < 0) {
            label = "Pts";
            n = 0;
        }
        row.Texts.push_back(Literal(b.LabelX(n), row.Y, b.Fg(ElemBar), label));
        b.Tail(row, doc.PossibleRow(), cat, b.Fg(ElemBar));
        b.NextRow();
    }
    p.LastRowY = p.PossY;
    for (int s = p.FirstStu; s <= p.LastStu; ++s) {
        PageRow& row = b.NewRow();
        p.LastRowY = row.Y;
        for (int k = 1; k <= NumZones; ++k)
            b.Box(row, p.ZoneX(k), p.ZoneWid[static_cast<std::size_t>(k)], b.Bg(k));
        const std::string number = RowNumberText(s);
        row.Texts.push_back(Literal(p.ZoneX(1), row.Y, b.Fg(1), number));
        row.Texts.push_back(Window(p.ZoneX(2), row.Y, b.Fg(2), s, 1, p.ZoneStart[2], p.ZoneShow[2]));
        row.Texts.push_back(Window(p.ZoneX(3), row.Y, b.Fg(3), s, 1, p.ZoneStart[3], p.ZoneShow[3]));
        row.Texts.push_back(Window(p.ZoneX(4), row.Y, b.Fg(4), s, cat, p.ZoneStart[4], p.ZoneShow[4]));
        row.Texts.push_back(Window(p.ZoneX(5), row.Y, b.Fg(5), s, cat, p.ZoneStart[5], p.ZoneShow[5]));
        row.Texts.push_back(Literal(p.ZoneX(6) + p.CharW, row.Y, b.Fg(6), number));
        b.NextRow();
    }
    {
        PageRow& row = b.NewRow();
        b.WholeRowBox(row, ElemBar);
        std::string label = "Class Average";
        int n = Nearest((idNameChars - len(label) - 1) / 2);
        if (n < 0) {
            label = "Avg";
            n = 0;
        }
        row.Texts.push_back(Literal(b.LabelX(n), row.Y, b.Fg(ElemBar), label));
        b.Tail(row, 0, cat, b.Fg(ElemBar));
        b.NextRow();
    }
    {
        PageRow& row = b.NewRow();
        b.WholeRowBox(row, ElemBorder);
        const std::string term = At(doc.InfoLine, 3);
        const std::string instructor = At(doc.InfoLine, 4);
        const int n = Nearest(p.ZoneWid[0] / p.CharW - len(term) - len(instructor) - 6);
        const std::string footer =
            n < 1 ? Left(instructor + " " + term, p.ZoneLen[0] - 6) : instructor + Space(n) + term;
        row.Texts.push_back(Literal(b.LabelX(0), row.Y, b.Fg(ElemBorder), footer));
        b.NextRow();
    }
    return p;
}

} // namespace markroll
