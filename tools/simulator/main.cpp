// qx770sim: a QX770HD processor on TCP for the console to connect to. See
// tcSimOptions for the command line.
#include <QCoreApplication>
#include <QStringList>
#include <csignal>
#include <cstdio>

#include "app/core/tcCrc32.h"
#include "tools/simulator/tcSimOptions.h"
#include "tools/simulator/tcSimServer.h"
#include "tools/simulator/tcSimState.h"
#include "tools/simulator/tcSimStateFile.h"

namespace {

tcSimServer* g_server = nullptr;

void on_signal(int) {
  if (g_server) g_server->stop();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  tcSimOptions options;
  switch (options.parse(app.arguments().mid(1))) {
    case tcSimOptions::kHelp:
      std::fputs(qPrintable(tcSimOptions::usage()), stdout);
      return 0;
    case tcSimOptions::kError:
      std::fprintf(stderr, "qx770sim: %s\n%s", qPrintable(options.error()),
                   qPrintable(tcSimOptions::usage()));
      return 2;
    case tcSimOptions::kRun:
      break;
  }

  tcCrc32::build_table();
  tcSimState state;
  const tcSimStateFile file(options.state_dir);
  const bool fresh = file.load(state) != 0;
  if (options.has_password) state.set_password_code(tcCrc32::of_text(qPrintable(options.password)));
  if (file.save(state, fresh) != 0) {
    std::fprintf(stderr, "qx770sim: cannot write the state in %s\n", qPrintable(options.state_dir));
    return 1;
  }

  tcSimServer server(options, state, file);
  if (server.open() != 0) return 1;
  g_server = &server;
  struct sigaction action {};
  action.sa_handler = on_signal;
  sigemptyset(&action.sa_mask);
  sigaction(SIGINT, &action, nullptr);
  sigaction(SIGTERM, &action, nullptr);
  std::signal(SIGPIPE, SIG_IGN);

  std::printf("qx770sim: listening on %s:%u, state in %s%s\n", qPrintable(options.bind),
              server.port(), qPrintable(options.state_dir), fresh ? " (new)" : "");
  std::fflush(stdout);
  const int result = server.run();
  g_server = nullptr;
  std::fprintf(stderr, "qx770sim: stopped\n");
  return result == 0 ? 0 : 1;
}
