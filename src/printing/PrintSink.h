#pragma once

#include <QList>
#include <QString>
#include <memory>

class QPainter;
class QPdfWriter;
class QSaveFile;
class QTextDocument;

namespace printing {

// One filled template of one copy of a sheet, as the engine hands it to its outputs.
struct SheetCopy {
    int sheet = 0;        // 1 to 37; 0 for a checklist
    QString base;         // template base name
    QString templatePath;
    QString label;        // "Name, Vorname" of the copy's person (other parent on 29/30); empty for once-sheets
    QString html;         // the filled template
    int firstPage = 0;    // 1-based page numbers within the whole output
    int lastPage = 0;
};

// Where the produced sheets go: a PDF file, a printer, the preview, the designer, or a test's record.
// A sink sees the copies in order; nothing is final before finish().
class PrintSink {
public:
    virtual ~PrintSink() = default;
    // `document` is the copy laid out on its pages (PageGeometry).
    virtual bool add(const SheetCopy& copy, QTextDocument& document, QString* error) = 0;
    // Called once after every copy was added successfully.
    virtual bool finish(QString* error) = 0;
};

// Keeps what it was given: the copies with their HTML and pages.
class RecordingSink : public PrintSink {
public:
    bool add(const SheetCopy& copy, QTextDocument& document, QString* error) override;
    bool finish(QString* error) override;
    const QList<SheetCopy>& copies() const { return m_copies; }

private:
    QList<SheetCopy> m_copies;
};

// Paints every copy into one PDF, each copy from a new page. The file appears only at finish(): a
// failed print leaves no file, and an existing file stays as it was.
class PdfSink : public PrintSink {
public:
    explicit PdfSink(const QString& path);
    ~PdfSink() override;
    bool add(const SheetCopy& copy, QTextDocument& document, QString* error) override;
    bool finish(QString* error) override;

private:
    bool begin(QString* error);
    QString m_path;
    std::unique_ptr<QSaveFile> m_file;
    std::unique_ptr<QPdfWriter> m_writer;
    std::unique_ptr<QPainter> m_painter;
    bool m_pageOpen = false;
};

// Paints page `page` (0-based) of a laid-out sheet on a painter whose origin is the top left corner
// of the printable area, on a device of `deviceDpi` dots per inch.
void paintPage(QTextDocument& document, int page, QPainter& painter, double deviceDpi);

} // namespace printing
