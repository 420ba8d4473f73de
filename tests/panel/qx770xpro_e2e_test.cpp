// The console program against the simulator program, both as a user starts
// them: the simulator with a password, the console with a prepared data folder
// whose device remembers that password. What arrives is read from the
// simulator's own account of every message.
#include <gtest/gtest.h>
#include <signal.h>

#include <QDeadlineTimer>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <memory>

#include "app/core/tcCrc32.h"
#include "app/core/tcDeviceConfig.h"
#include "app/core/tcOptions.h"
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
    const QString data = QDir(home_.path()).filePath("Documents/Morvallion/QX770HD");
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

}  // namespace
