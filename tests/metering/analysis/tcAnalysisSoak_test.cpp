// The window open on a 10 Hz record stream, as on air: what it costs in CPU
// and memory. Runs briefly by default; QX_SOAK_SECONDS lengthens the run and
// QX_SOAK_TYPE picks the view (0 to 5).
#include <gtest/gtest.h>

#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTimer>
#include <cstdio>

#include "metering/analysis/tcAnalysisView.h"
#include "metering/analysis/tcAnalysisWnd.h"
#include "tests/metering/analysis/tcAnalysisStores.h"
#include "tests/metering/analysis/tcSimRecords.h"

#if defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
#define QX_SANITIZED 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QX_SANITIZED 1
#endif

namespace {

// Sanitizers hold freed memory back on purpose: growth says nothing there.
#ifdef QX_SANITIZED
constexpr bool kMeasureGrowth = false;
#else
constexpr bool kMeasureGrowth = true;
#endif

// CPU seconds (user + system) of this process.
double cpu_seconds() {
  QFile f(QStringLiteral("/proc/self/stat"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  const QByteArray stat = f.readAll();
  // Fields after the command name (which may hold blanks) start after ") ".
  const QList<QByteArray> fields = stat.mid(stat.lastIndexOf(')') + 2).split(' ');
  const double ticks = static_cast<double>(sysconf(_SC_CLK_TCK));
  return (fields.value(11).toDouble() + fields.value(12).toDouble()) / ticks;
}

// A line of /proc/self/status in kB.
double status_kb(const char* key) {
  QFile f(QStringLiteral("/proc/self/status"));
  if (!f.open(QIODevice::ReadOnly)) return 0;
  for (const QByteArray& line : f.readAll().split('\n'))
    if (line.startsWith(key))
      return line.mid(static_cast<int>(strlen(key))).trimmed().split(' ').value(0).toDouble();
  return 0;
}

// Runs the event loop, idle between events, for `ms` milliseconds.
void run_for(int ms) {
  QEventLoop loop;
  QTimer::singleShot(ms, &loop, &QEventLoop::quit);
  loop.exec();
}

}  // namespace

TEST(Soak, TenRecordsASecondStayCheap) {
  const int seconds = qEnvironmentVariableIsSet("QX_SOAK_SECONDS")
                          ? qEnvironmentVariableIntValue("QX_SOAK_SECONDS")
                          : 2;
  const int type = qEnvironmentVariableIntValue("QX_SOAK_TYPE");
  // What Qt alone takes for a window of this size (connection, fonts, backing
  // store): the rest is the metering's.
  double anon_blank = 0;
  {
    QWidget blank;
    blank.resize(900, 960);
    blank.show();
    run_for(500);
    anon_blank = status_kb("RssAnon:");
  }
  tcAnalysisStores stores;
  tcAnalysisWnd w(stores.options, stores.analysis_options, stores.config);
  w.resize(900, 960);
  w.show();
  w.set_view_type(type);
  tcSimRecords sim;
  QTimer tick;
  tick.setTimerType(Qt::PreciseTimer);
  QObject::connect(&tick, &QTimer::timeout, [&] { w.feed(sim.next(type, 0)); });
  tick.start(101);
  // Settle first: fonts, backing store and the views' images.
  run_for(1000);
  const double anon_before = status_kb("RssAnon:");
  const double cpu_before = cpu_seconds();
  QElapsedTimer clock;
  clock.start();
  run_for(seconds * 1000);
  const double cpu = (cpu_seconds() - cpu_before) / (clock.elapsed() / 1000.0) * 100.0;
  const double anon = status_kb("RssAnon:");
  std::printf(
      "view %s, %d s: CPU %.2f %% of one core, RssAnon %.1f MB (%.1f MB before the run, %.1f MB "
      "with a blank window), VmRSS %.1f MB\n",
      tcAnalysisView::type_name(type), seconds, cpu, anon / 1024, anon_before / 1024,
      anon_blank / 1024, status_kb("VmRSS:") / 1024);
  // Drawing ten frames a second must not keep memory: a few MB of slack for
  // the allocator, none for growth.
  if (kMeasureGrowth) {
    EXPECT_LT(anon - anon_before, 4096);
  }
}
