#pragma once

#include <memory>
#include <vector>

#include <QFont>
#include <QPageLayout>
#include <QString>

#include "platform/reportpages.h"

class QPagedPaintDevice;
class QPainter;

namespace report {

// The free font installed for a Windows family that a layout names, with the
// same widths where one exists: Arial -> Liberation Sans, Arial Narrow ->
// Liberation Sans Narrow, Verdana and Tahoma -> DejaVu Sans, Georgia ->
// Liberation Serif. Other names are passed on as they are.
QString mappedFamily(const QString &layoutFamily);
// The font a layout's font is painted in. It is not kerned, so that a text is
// as wide as its characters added up, which is how the layout measures it.
QFont qtFont(const Font &font);

// How the painted fonts measure, in twips: what a report is laid out with for
// paper, so that each text is broken and cut where it prints.
std::shared_ptr<const TextMetrics> paperMetrics();

// The paper of a page: A4 and A5 by name, the till roll as its own size.
QPageLayout pageLayout(Paper paper, const Page &page);

// Paints one page at the device's resolution (1440 twips to the inch); the
// painter's origin is the paper's top-left corner. Each text prints the lines
// it was laid out in, each line within its box.
void paintPage(QPainter &painter, const Page &page);

// Paints every page on a printer or PDF writer whose painter is active,
// starting a new sheet for each page after the first.
void paintPages(QPainter &painter, QPagedPaintDevice &device, const LaidOutPages &pages);

} // namespace report
