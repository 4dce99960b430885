#pragma once

#include <QSizeF>
#include <QString>
#include <kainjow/mustache.hpp>
#include <memory>

class QTextDocument;

namespace printing {

// Daten/Templates/<base>.html of the program folder.
QString templatePath(const QString& base);

// Fills the template `base` with `context`; every value HTML-escaped. False with a German message
// naming the file when the template is missing, unreadable or not valid Mustache.
bool renderSheet(const QString& base, const kainjow::mustache::data& context, QString* html, QString* error);

// The same for a template text that is not (yet) a file, as the template editor holds it.
bool renderText(const QString& text, const QString& fileName, const kainjow::mustache::data& context,
                QString* html, QString* error);

// The geometry every sheet is laid out in: A4 portrait, margins of 15 mm, base font DejaVu Sans 9 pt.
struct PageGeometry {
    static constexpr double kMarginMm = 15.0;
    static constexpr double kWidthMm = 210.0;
    static constexpr double kHeightMm = 297.0;
    // Layout resolution of the documents (dots per inch); painters scale from it to their device.
    static constexpr int kDpi = 96;
    // The printable area in layout units.
    static QSizeF bodySize();
};

// A filled sheet laid out on A4 pages; its pageCount() is the number of pages the sheet takes.
std::unique_ptr<QTextDocument> layoutSheet(const QString& html);

} // namespace printing
