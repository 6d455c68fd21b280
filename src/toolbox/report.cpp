// Reports over QPainter: the items are laid out down the printable area of the page,
// a page break before an item that does not fit, then drawn page by page under the
// header whose page field needs the page count of the whole layout.
#include "toolbox/report.h"

#include "ui/ui_qt.h"

#include <QApplication>
#include <QDateTime>
#include <QFontMetricsF>
#include <QImage>
#include <QLocale>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>

#include <map>
#include <memory>

namespace
{

enum ItemKind { ITEM_TEXT, ITEM_EMPTY, ITEM_IMAGE };

struct ReportItem {
    ItemKind kind = ITEM_TEXT;
    QFont font;
    QString text; // a text line, or an image's caption
    QImage image;
};

struct Report {
    QFont font{QStringLiteral("Arial"), 10};
    QString header[3];
    std::vector<ReportItem> items;
};

// One item (or one paragraph of a text item) placed on a page.
struct Placed {
    int page = 0;
    QRectF rect;
    const ReportItem *item = nullptr;
    QString text;
};

constexpr int kHeaderPointSize = 8;
constexpr int kCaptionPointSize = 9;
constexpr double kHeaderGapLines = 1.5; // header line and the space below it
constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

std::map<int, std::unique_ptr<Report>> &Reports()
{
    static std::map<int, std::unique_ptr<Report>> reports;
    return reports;
}

Report *FindReport(int report)
{
    auto it = Reports().find(report);
    return it == Reports().end() ? nullptr : it->second.get();
}

QString Text(const char *text)
{
    return QString::fromUtf8(text ? text : "");
}

class Layout
{
  public:
    Layout(QPaintDevice *device, const QSizeF &area, double top) : device_(device), area_(area), top_(top)
    {
        y_ = top_;
    }

    void AddText(const ReportItem &item)
    {
        QFontMetricsF metrics(item.font, device_);
        for (const QString &paragraph : item.text.split('\n')) {
            double height =
                paragraph.isEmpty()
                    ? metrics.lineSpacing()
                    : metrics.boundingRect(QRectF(0, 0, area_.width(), 1e9), kTextFlags, paragraph).height();
            Place(item, paragraph, height);
        }
    }

    void AddEmpty(const ReportItem &item)
    {
        Place(item, QString(), QFontMetricsF(item.font, device_).lineSpacing());
    }

    void AddImage(const ReportItem &item)
    {
        double caption = CaptionHeight();
        // Screen pixels are tiny at printer resolution: an image takes the page's
        // width, or the page's height when it is tall.
        QSizeF size = item.image.size();
        size.scale(QSizeF(area_.width(), area_.height() - top_ - caption), Qt::KeepAspectRatio);
        Place(item, item.text, size.height() + caption, size.width());
    }

    double CaptionHeight() const
    {
        return QFontMetricsF(QFont(QStringLiteral("Arial"), kCaptionPointSize), device_).lineSpacing() * 1.5;
    }

    const std::vector<Placed> &Items() const { return placed_; }
    int PageCount() const { return page_ + 1; }

  private:
    void Place(const ReportItem &item, const QString &text, double height, double width = -1.0)
    {
        if (y_ + height > area_.height() && y_ > top_) {
            ++page_;
            y_ = top_;
        }
        Placed placed;
        placed.page = page_;
        placed.rect = QRectF(0, y_, width < 0 ? area_.width() : width, height);
        placed.item = &item;
        placed.text = text;
        placed_.push_back(placed);
        y_ += height;
    }

    QPaintDevice *device_;
    QSizeF area_;
    double top_;
    double y_;
    int page_ = 0;
    std::vector<Placed> placed_;
};

QString HeaderField(const QString &field, int page, int pageCount)
{
    const QDateTime now = QDateTime::currentDateTime();
    QString text = field;
    text.replace(QLatin1String(kReportDateToken),
                 QLocale::system().toString(now.date(), QLocale::ShortFormat));
    text.replace(QLatin1String(kReportTimeToken),
                 QLocale::system().toString(now.time(), QLocale::ShortFormat));
    text.replace(QLatin1String(kReportPageToken),
                 QStringLiteral("Page %1 of %2").arg(page + 1).arg(pageCount));
    return text;
}

double HeaderHeight(QPaintDevice *device)
{
    return QFontMetricsF(QFont(QStringLiteral("Arial"), kHeaderPointSize), device).lineSpacing() *
           kHeaderGapLines;
}

void DrawHeader(QPainter &painter, const Report &report, double width, int page, int pageCount)
{
    QFont font(QStringLiteral("Arial"), kHeaderPointSize);
    painter.setFont(font);
    double line = QFontMetricsF(font, painter.device()).lineSpacing();
    QRectF band(0, 0, width, line);
    const int alignments[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    for (int i = 0; i < 3; ++i)
        painter.drawText(band, alignments[i] | Qt::AlignVCenter,
                         HeaderField(report.header[i], page, pageCount));
    painter.drawLine(QPointF(0, line * 1.1), QPointF(width, line * 1.1));
}

void DrawPlaced(QPainter &painter, const Placed &placed, double captionHeight)
{
    const ReportItem &item = *placed.item;
    if (item.kind == ITEM_TEXT) {
        painter.setFont(item.font);
        painter.drawText(placed.rect, kTextFlags, placed.text);
    } else if (item.kind == ITEM_IMAGE) {
        QRectF image(placed.rect.topLeft(),
                     QSizeF(placed.rect.width(), placed.rect.height() - captionHeight));
        painter.drawImage(image, item.image);
        painter.setFont(QFont(QStringLiteral("Arial"), kCaptionPointSize));
        painter.drawText(QRectF(image.left(), image.bottom(), image.width(), captionHeight), Qt::AlignCenter,
                         placed.text);
    }
}

bool PrintOn(QPrinter &printer, const Report &report)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    QSizeF area = printer.pageLayout().paintRectPixels(printer.resolution()).size();
    Layout layout(&printer, area, HeaderHeight(&printer));
    for (const ReportItem &item : report.items) {
        if (item.kind == ITEM_TEXT)
            layout.AddText(item);
        else if (item.kind == ITEM_EMPTY)
            layout.AddEmpty(item);
        else
            layout.AddImage(item);
    }
    double captionHeight = layout.CaptionHeight();
    int pageCount = layout.PageCount();
    bool ok = true;
    for (int page = 0; page < pageCount && ok; ++page) {
        if (page > 0)
            ok = printer.newPage();
        DrawHeader(painter, report, area.width(), page, pageCount);
        for (const Placed &placed : layout.Items())
            if (placed.page == page)
                DrawPlaced(painter, placed, captionHeight);
    }
    return painter.end() && ok;
}

} // namespace

int NewReport(void)
{
    static int lastHandle = 0;
    int handle = ++lastHandle;
    Reports()[handle] = std::make_unique<Report>();
    return handle;
}

int DiscardReport(int report)
{
    return Reports().erase(report) ? UIE_OK : UIE_INVALID_VALUE;
}

int SetReportPageHeader(int report, const char *left, const char *center, const char *right)
{
    Report *r = FindReport(report);
    if (!r)
        return UIE_INVALID_VALUE;
    r->header[0] = Text(left);
    r->header[1] = Text(center);
    r->header[2] = Text(right);
    return UIE_OK;
}

int SetReportFont(int report, const char *family, int pointSize, int bold, int italic)
{
    Report *r = FindReport(report);
    if (!r || pointSize < 1)
        return UIE_INVALID_VALUE;
    r->font = QFont(Text(family), pointSize, bold ? QFont::Bold : QFont::Normal, italic != 0);
    return UIE_OK;
}

int AppendReportLine(int report, const char *text)
{
    Report *r = FindReport(report);
    if (!r)
        return UIE_INVALID_VALUE;
    ReportItem item;
    item.font = r->font;
    item.text = Text(text);
    r->items.push_back(item);
    return UIE_OK;
}

int AppendReportEmptyLine(int report)
{
    Report *r = FindReport(report);
    if (!r)
        return UIE_INVALID_VALUE;
    ReportItem item;
    item.kind = ITEM_EMPTY;
    item.font = r->font;
    r->items.push_back(item);
    return UIE_OK;
}

int AppendReportImage(int report, const char *imagePath, const char *caption)
{
    Report *r = FindReport(report);
    if (!r)
        return UIE_INVALID_VALUE;
    ReportItem item;
    item.kind = ITEM_IMAGE;
    item.text = Text(caption);
    if (!item.image.load(Text(imagePath)))
        return UIE_INVALID_VALUE;
    r->items.push_back(item);
    return UIE_OK;
}

int SelectPrinter(char *printerName, char *outputFile, int size)
{
    if (!printerName || !outputFile || size < 1)
        return 0;
    printerName[0] = outputFile[0] = '\0';
    PopupRequest request;
    request.kind = POPUP_PRINT;
    request.title = "Print";
    PopupAnswer answer;
    if (AskPopupResponder(request, &answer)) {
        if (answer.result != 1)
            return 0;
        CopyTextOut(QString::fromStdString(answer.path), outputFile, size);
        return 1;
    }
    if (QuitRequested())
        return 0;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    if (ExecPopupDialog(dialog) != QDialog::Accepted)
        return 0;
    if (printer.outputFormat() == QPrinter::PdfFormat)
        CopyTextOut(printer.outputFileName(), outputFile, size);
    else
        CopyTextOut(printer.printerName(), printerName, size);
    return 1;
}

int PrintReport(int report, const char *printerName, const char *outputFile)
{
    Report *r = FindReport(report);
    if (!r)
        return UIE_INVALID_VALUE;
    QPrinter printer(QPrinter::HighResolution);
    if (outputFile && *outputFile) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(Text(outputFile));
    } else {
        QString name = Text(printerName);
        if (name.isEmpty())
            name = QPrinterInfo::defaultPrinterName();
        if (name.isEmpty())
            return UIE_INVALID_VALUE;
        printer.setPrinterName(name);
    }
    if (!printer.isValid())
        return UIE_INVALID_VALUE;
    return PrintOn(printer, *r) ? UIE_OK : UIE_INVALID_VALUE;
}
