#pragma once

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
QFont qtFont(const Font &font);

// The paper of a page: A4 and A5 by name, the till roll as its own size.
QPageLayout pageLayout(Paper paper, const Page &page);

// Paints one page at the device's resolution (1440 twips to the inch); the
// painter's origin is the paper's top-left corner.
void paintPage(QPainter &painter, const Page &page);

// Paints every page on a printer or PDF writer whose painter is active,
// starting a new sheet for each page after the first.
void paintPages(QPainter &painter, QPagedPaintDevice &device, const LaidOutPages &pages);

} // namespace report
