#include "app/startup/tcSplash.h"

#include <QFont>
#include <QPainter>

namespace {
const char kBuildDate[] = __DATE__;
const char kBuildTime[] = __TIME__;
}  // namespace

tcSplash::tcSplash(const QPixmap& image) : QSplashScreen(image) {}

QString tcSplash::title_text() {
  return QStringLiteral("QX770HD Pro") + QStringLiteral(" with Solvanix-IP and Quessa Technology");
}

QString tcSplash::version_text() {
  return QString::asprintf("Version: %d.%d.%d\tBuilt: %s, %s\n", QX_VERSION_MAJOR, QX_VERSION_MINOR,
                           QX_VERSION_PATCH, kBuildDate, kBuildTime);
}

QString tcSplash::notice_text() {
  return QStringLiteral("Copyright \u00A9 Morvallion. All rights reserved.");
}

void tcSplash::drawContents(QPainter* painter) {
  const int width = pixmap().width() - 1;
  const auto band = [&](int index, int point_size, int weight, const QString& text) {
    painter->setFont(QFont(QStringLiteral("Arial"), point_size, weight));
    painter->drawText(QRect(0, band_top(index), width, kBandHeight),
                      Qt::AlignHCenter | Qt::AlignTop | Qt::TextExpandTabs, text);
  };
  painter->setPen(QColor(0, 128, 255));
  band(0, kTitlePointSize, QFont::Bold, title_text());
  band(1, kTextPointSize, QFont::Normal, version_text());
  band(2, kTextPointSize, QFont::Normal, notice_text());
}
