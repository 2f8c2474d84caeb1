#include "app/print/header_date_time.h"

#include <QDate>
#include <QLocale>
#include <QTime>

#include "settings/page_header.h"

std::string HeaderDateTimeNow() {
  const QLocale locale = QLocale::system();
  return trabeo::HeaderDateTime(
      locale.toString(QDate::currentDate(), QLocale::ShortFormat).toStdString(),
      locale.toString(QTime::currentTime(), QLocale::LongFormat).toStdString());
}
