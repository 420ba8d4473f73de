// The console program against the simulator program, both as a user starts
// them: the simulator with a password, the console with a prepared data folder
// whose device remembers that password. What arrives is read from the
// simulator's own account of every message.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <cerrno>
#include <cstring>
#include <memory>
#include <string>

#include <QFile>
#include <QImage>
#include <QThread>

#include "app/core/tcCrc32.h"
#include "app/core/tcDeviceConfig.h"
#include "app/core/tcOptions.h"
#include "link/protocol/ParamRecord.h"
#include "link/protocol/tcApCodec.h"
#include "tests/support/tcTestPaths.h"

namespace {

constexpr const char* kPassword = "studio-7";
constexpr int kWaitMs = 40000;

// A process whose merged output is searched as it arrives.
class Watched {
 public:
  explicit Watched(const QProcessEnvironment& env) {
    process_.setProcessEnvironment(env);
    process_.setProcessChannelMode(QProcess::MergedChannels);
  }
  ~Watched() { stop(); }

  bool start(const QString& program, const QStringList& args, const QString& dir = QString()) {
    seen_.clear();
    searched_ = 0;
    if (!dir.isEmpty()) process_.setWorkingDirectory(dir);
    process_.start(program, args);
    return process_.waitForStarted(10000);
  }

  // Waits for the next output after the last match that matches `pattern`.
  QRegularExpressionMatch expect(const QString& pattern, int wait_ms = kWaitMs) {
    const QRegularExpression re(pattern);
    QDeadlineTimer deadline(wait_ms);
    for (;;) {
      const QRegularExpressionMatch m = re.match(seen_, searched_);
      if (m.hasMatch()) {
        searched_ = m.capturedEnd();
        return m;
      }
      if (deadline.hasExpired() || process_.state() == QProcess::NotRunning) return m;
      process_.waitForReadyRead(200);
      seen_ += QString::fromLocal8Bit(process_.readAll());
    }
  }

  // SIGTERM, as Ctrl+C would; the exit code, or -1 if it had to be killed.
  int stop() {
    if (process_.state() == QProcess::NotRunning) return process_.exitCode();
    ::kill(static_cast<pid_t>(process_.processId()), SIGTERM);
    if (process_.waitForFinished(15000)) return process_.exitCode();
    process_.kill();
    process_.waitForFinished(5000);
    return -1;
  }

  const QString& output() const { return seen_; }

 private:
  QProcess process_;
  QString seen_;
  int searched_ = 0;
};

// Logs in to the simulator as a second console would and sends one change:
// the simulator drops the console for it, which then reconnects and is given
// the new value with the rest of the picture.
// "" when done, else what failed.
std::string change_as_another_console(const tcFrame& change) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  if (fd < 0) return std::strerror(errno);
  sockaddr_in addr = {};
  addr.sin_family = AF_INET;
  addr.sin_port = htons(55900);
  addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
    const std::string why = std::string("connect: ") + std::strerror(errno);
    ::close(fd);
    return why;
  }
  // Both messages in one piece, so they are there before the simulator turns
  // to the console's reconnection.
  QByteArray bytes;
  tcFrame login = tcApCodec::login_request(tcCrc32::of_text(kPassword));
  bytes.append(reinterpret_cast<const char*>(login.data()), login.length());
  bytes.append(reinterpret_cast<const char*>(change.data()), change.length());
  const ssize_t sent =
      ::send(fd, bytes.constData(), static_cast<size_t>(bytes.size()), MSG_NOSIGNAL);
  const std::string why =
      sent == bytes.size() ? std::string() : std::string("send: ") + std::strerror(errno);
  // Stays long enough for the simulator to take both messages.
  QThread::msleep(500);
  ::close(fd);
  return why;
}

// The knob's square of a screenshot of the root window.
QImage knob_square(const QString& png, const QPoint& centre) {
  return QImage(png).copy(QRect(centre - QPoint(22, 22), QSize(44, 44)));
}

// The front-panel test skin as the console's chosen skin folder.
void choose_test_skin(const QString& home, const QString& work) {
  const QDir source(qEnvironmentVariable("QX_SOURCE_DIR") + "/tests/panel/data/frontpanel");
  const QDir target(QDir(work).filePath("fp_skins/front"));
  QDir().mkpath(target.path());
  for (const QString& f : source.entryList(QDir::Files)) {
    QFile::copy(source.filePath(f), target.filePath(f));
  }
  tcOptions options(QDir(home).filePath("Documents/Morvallion/QX770HD/qx770xpro.ini"));
  options.set_skin_name("front");
  options.set_skin_file(0);
  options.flush();
}

class ConsoleWithSimulator : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(home_.isValid() && state_.isValid() && work_.isValid());
    env_ = QProcessEnvironment::systemEnvironment();
    env_.insert("HOME", home_.path());
    env_.remove("XDG_CONFIG_HOME");
    env_.insert("ASAN_OPTIONS", "detect_leaks=0");
    prepare_data_folder();
    start_display();
  }

  void prepare_data_folder() {
    const QString data = data_dir();
    ASSERT_TRUE(QDir().mkpath(data + "/maps"));
    tcOptions options(data + "/qx770xpro.ini");
    options.set_device_name("Rack 3");
    options.set_online(1);
    ASSERT_EQ(options.flush(), 0);
    tcDeviceConfig device(data + "/maps", "Rack 3");
    ASSERT_EQ(device.set_ip_addr("127.0.0.1"), 0);
    ASSERT_EQ(device.set_rcrc(tcCrc32::of_text(kPassword)), 0);
  }

  // A real X server when one can be had, else Qt's offscreen platform.
  void start_display() {
    const QString xvfb = QStandardPaths::findExecutable("Xvfb");
    if (!xvfb.isEmpty()) {
      display_ = std::make_unique<Watched>(env_);
      if (display_->start(xvfb,
                          {"-displayfd", "1", "-screen", "0", "1024x768x24", "-nolisten", "tcp"})) {
        const auto m = display_->expect("(\\d+)\\s", 10000);
        if (m.hasMatch()) {
          console_env_ = env_;
          console_env_.insert("DISPLAY", ":" + m.captured(1));
          console_env_.remove("QT_QPA_PLATFORM");
          return;
        }
      }
    }
    console_env_ = env_;
    console_env_.insert("QT_QPA_PLATFORM", "offscreen");
  }

  QStringList simulator_args() const {
    return {"--port", "55900", "--password", kPassword, "--state", state_.path(), "--verbose"};
  }

  // Runs an X client of the test's display; its standard output.
  QString x_tool(const QString& program, const QStringList& args) const {
    QProcess p;
    p.setProcessEnvironment(console_env_);
    p.start(program, args);
    if (!p.waitForFinished(15000)) return QString();
    return QString::fromLocal8Bit(p.readAllStandardOutput());
  }
  // The first visible window titled `title`; "" when none shows in time. A
  // search gives up with an X error when a window (the splash, say) goes while
  // it looks, so it is asked again.
  QString find_window(const QString& title) const {
    const QDeadlineTimer deadline(kWaitMs);
    for (;;) {
      const QString window =
          x_tool("xdotool", {"search", "--sync", "--onlyvisible", "--name", title})
              .split('\n')
              .value(0);
      if (!window.isEmpty() || deadline.hasExpired()) return window;
      QThread::msleep(200);
    }
  }
  bool real_display() const { return console_env_.contains("DISPLAY"); }
  bool x_tools() const {
    return real_display() && !QStandardPaths::findExecutable("xdotool").isEmpty() &&
           !QStandardPaths::findExecutable("import").isEmpty();
  }
  QString data_dir() const { return QDir(home_.path()).filePath("Documents/Morvallion/QX770HD"); }

  // A point of the panel (skin pixels at scale 1) on the screen; a null point
  // when the console's window is not found.
  QPoint on_screen(const QPoint& panel_point) const {
    const QString window = find_window("QX770HD Pro");
    if (window.isEmpty()) return QPoint();
    const QString geometry = x_tool("xdotool", {"getwindowgeometry", "--shell", window});
    const QRegularExpression x_re("X=(\\d+)"), y_re("Y=(\\d+)");
    return QPoint(x_re.match(geometry).captured(1).toInt(),
                  y_re.match(geometry).captured(1).toInt()) +
           panel_point;
  }
  // The headphone knob of the test skin (40 by 40 at (556, 306)) on the screen.
  QPoint knob_on_screen() const { return on_screen(QPoint(576, 326)); }
  void click(const QPoint& at) const {
    x_tool("xdotool",
           {"mousemove", QString::number(at.x()), QString::number(at.y()), "click", "1"});
  }
  // Drags the knob upwards in small steps, as a hand drags.
  void drag_up(const QPoint& knob) const {
    QStringList drag = {"mousemove", QString::number(knob.x()), QString::number(knob.y()),
                        "mousedown", "1"};
    for (int i = 0; i < 10; ++i)
      drag << "sleep"
           << "0.03"
           << "mousemove_relative"
           << "--"
           << "0"
           << "-2";
    drag << "mouseup"
         << "1";
    x_tool("xdotool", drag);
  }
  // Waits for the window titled `title`, gives it the keyboard and types `keys`
  // (xdotool key names); false when it did not show.
  bool answer_window(const QString& title, const QStringList& keys) const {
    const QString window = find_window(title);
    if (window.isEmpty()) return false;
    x_tool("xdotool", QStringList{"windowfocus", "--sync", window, "key", "--delay", "50"} + keys);
    return true;
  }

  // The simulator, then the console on the front-panel test skin, on-line with
  // meters; `knob` is where the headphone knob is on the screen.
  void start_on_test_skin(Watched& simulator, Watched& console, QPoint* knob) {
    choose_test_skin(home_.path(), work_.path());
    ASSERT_TRUE(simulator.start(tcBuiltProgram("qx770sim"), simulator_args()));
    ASSERT_TRUE(simulator.expect("listening on 127\\.0\\.0\\.1:55900").hasMatch());
    ASSERT_TRUE(console.start(tcBuiltProgram("qx770xpro"), {}, work_.path()));
    ASSERT_TRUE(simulator.expect("meters over UDP to port").hasMatch())
        << simulator.output().toStdString() << console.output().toStdString();
    *knob = knob_on_screen();
    ASSERT_FALSE(knob->isNull());
  }

  // After a drag on `knob`: another console sends `change`, which the simulator
  // reports as `applied`; the console logs in again, the knob moves and no
  // frame reported as `echo` comes back.
  void expect_followed_without_echo(Watched& simulator, const QPoint& knob, const tcFrame& change,
                                    const QString& applied, const QString& echo) {
    QThread::msleep(300);
    const QString dragged = QDir(work_.path()).filePath("dragged.png");
    x_tool("import", {"-window", "root", dragged});
    ASSERT_EQ(change_as_another_console(change), "");
    ASSERT_TRUE(simulator.expect(applied).hasMatch()) << simulator.output().toStdString();
    const QString code = QString::asprintf("%08X", tcCrc32::of_text(kPassword));
    ASSERT_TRUE(simulator.expect("login code " + code + " accepted").hasMatch())
        << simulator.output().toStdString();
    ASSERT_TRUE(simulator.expect("meters over UDP to port").hasMatch());
    QThread::msleep(1500);
    const QString after = QDir(work_.path()).filePath("after.png");
    x_tool("import", {"-window", "root", after});
    EXPECT_FALSE(simulator.expect(echo, 1500).hasMatch()) << simulator.output().toStdString();
    EXPECT_NE(knob_square(dragged, knob), knob_square(after, knob));
  }

  QTemporaryDir home_, state_, work_;
  QProcessEnvironment env_, console_env_;
  std::unique_ptr<Watched> display_;
};

TEST_F(ConsoleWithSimulator, LogsInAsksForMetersKeepsAliveAndReconnects) {
  Watched simulator(env_);
  ASSERT_TRUE(simulator.start(tcBuiltProgram("qx770sim"), simulator_args()));
  ASSERT_TRUE(simulator.expect("listening on 127\\.0\\.0\\.1:55900").hasMatch())
      << simulator.output().toStdString();

  Watched console(console_env_);
  ASSERT_TRUE(console.start(tcBuiltProgram("qx770xpro"), {}, work_.path()));

  const QString code = QString::asprintf("%08X", tcCrc32::of_text(kPassword));
  EXPECT_TRUE(simulator.expect("login code " + code + " accepted").hasMatch())
      << simulator.output().toStdString() << console.output().toStdString();
  const auto meters = simulator.expect("meters over UDP to port (\\d+)");
  ASSERT_TRUE(meters.hasMatch()) << simulator.output().toStdString();
  const int port = meters.captured(1).toInt();
  EXPECT_GE(port, 60001);
  EXPECT_LE(port, 60010);
  // The keep-alive comes every 15 seconds.
  EXPECT_TRUE(simulator.expect("RX 0015", 20000).hasMatch()) << simulator.output().toStdString();

  // The processor restarts: the console finds it again and logs in anew.
  EXPECT_EQ(simulator.stop(), 0);
  ASSERT_TRUE(simulator.start(tcBuiltProgram("qx770sim"), simulator_args()));
  EXPECT_TRUE(simulator.expect("login code " + code + " accepted").hasMatch())
      << simulator.output().toStdString();
  EXPECT_TRUE(simulator.expect("meters over UDP to port").hasMatch());

  EXPECT_EQ(console.stop(), 0) << console.output().toStdString();
  EXPECT_EQ(simulator.stop(), 0);
}

TEST_F(ConsoleWithSimulator, AKnobDragIsSentAndAProcessorChangeMovesTheKnobWithoutEcho) {
  if (!x_tools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
  Watched simulator(env_), console(console_env_);
  QPoint knob;
  start_on_test_skin(simulator, console, &knob);
  if (HasFatalFailure()) return;
  drag_up(knob);
  const auto sent = simulator.expect("global 2003 = ([0-9A-F]{8})");
  ASSERT_TRUE(sent.hasMatch()) << simulator.output().toStdString();
  EXPECT_GT(sent.captured(1).toUInt(nullptr, 16), 50u);

  // The processor changes the level: the knob follows and nothing comes back.
  const ParamRecord level = ParamRecord::of_int(0x2003, 3);
  expect_followed_without_echo(simulator, knob, tcApCodec::globals(&level, 1),
                               "global 2003 = 00000003", "RX 3001");
  if (HasFatalFailure()) return;

  EXPECT_EQ(console.stop(), 0) << console.output().toStdString();
  EXPECT_EQ(simulator.stop(), 0);
}

// The console was locked on this device when it last ran: it starts locked, a
// drag on the knob asks for the code and does not act, the code unlocks.
TEST_F(ConsoleWithSimulator, ALockedConsoleAsksForTheCodeBeforeTheKnobActs) {
  if (!x_tools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
  {
    tcDeviceConfig device(data_dir() + "/maps", "Rack 3");
    ASSERT_EQ(device.set_access(tcCrc32::of_text("2468"), 1, true), 0);  // setting changes
  }
  Watched simulator(env_), console(console_env_);
  QPoint knob;
  start_on_test_skin(simulator, console, &knob);
  if (HasFatalFailure()) return;

  drag_up(knob);
  ASSERT_TRUE(answer_window("Restricted Access Code Required", {"Escape"}));
  EXPECT_FALSE(simulator.expect("global 2003 = ", 1500).hasMatch())
      << simulator.output().toStdString();

  drag_up(knob);
  ASSERT_TRUE(answer_window("Restricted Access Code Required", {"2", "4", "6", "8", "Return"}));
  ASSERT_TRUE(answer_window("GUI Lock", {"Return"}));  // "This GUI interface is now unlocked."
  // The press that asked for the code was not carried out; the next drag is.
  EXPECT_FALSE(simulator.expect("global 2003 = ", 1500).hasMatch());
  drag_up(knob);
  EXPECT_TRUE(simulator.expect("global 2003 = ").hasMatch()) << simulator.output().toStdString();

  EXPECT_EQ(console.stop(), 0) << console.output().toStdString();
  EXPECT_EQ(simulator.stop(), 0);
  EXPECT_FALSE(tcDeviceConfig(data_dir() + "/maps", "Rack 3").ulck());
}

}  // namespace

TEST_F(ConsoleWithSimulator, OnTheDefaultSkinAPageKnobSendsItsParameterAndFollowsTheProcessor) {
  if (!x_tools()) GTEST_SKIP() << "needs Xvfb, xdotool and ImageMagick's import";
  // No skin in the working folder: the console runs on the default skin built in.
  Watched simulator(env_), console(console_env_);
  ASSERT_TRUE(simulator.start(tcBuiltProgram("qx770sim"), simulator_args()));
  ASSERT_TRUE(simulator.expect("listening on 127\\.0\\.0\\.1:55900").hasMatch());
  ASSERT_TRUE(console.start(tcBuiltProgram("qx770xpro"), {}, work_.path()));
  ASSERT_TRUE(simulator.expect("meters over UDP to port").hasMatch())
      << simulator.output().toStdString() << console.output().toStdString();
  // The default skin's Input flow key and the analog gain knob (56 by 56 at (328, 218)).
  const QPoint input_key = on_screen(QPoint(72, 86));
  const QPoint knob = on_screen(QPoint(356, 246));
  ASSERT_FALSE(knob.isNull());
  click(input_key);
  QThread::msleep(300);
  drag_up(knob);
  // A 0x4000 frame into the live bank with parameter 0x1001.
  const auto sent = simulator.expect("bank 0: 1001 = ([0-9A-F]{8})");
  ASSERT_TRUE(sent.hasMatch()) << simulator.output().toStdString();

  // The processor's gain changes: knob and display follow, nothing comes back.
  const ParamRecord gain = ParamRecord::of_float(0x1001, 9.0f);
  expect_followed_without_echo(simulator, knob, tcApCodec::bank_params(0, &gain, 1),
                               "bank 0: 1001 = 41100000", "RX 4000");
  if (HasFatalFailure()) return;
  EXPECT_EQ(console.stop(), 0) << console.output().toStdString();
  EXPECT_EQ(simulator.stop(), 0);
}
