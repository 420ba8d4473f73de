#include "tools/simulator/tcSimOptions.h"

#include <gtest/gtest.h>

namespace {

TEST(tcSimOptions, DefaultsServeTheLocalConsole) {
  tcSimOptions options;
  ASSERT_EQ(options.parse({}), tcSimOptions::kRun);
  EXPECT_EQ(options.bind, "127.0.0.1");
  EXPECT_EQ(options.port, 55900);
  EXPECT_EQ(options.meters_hz, 10);
  EXPECT_FALSE(options.has_password);
  EXPECT_FALSE(options.verbose);
  EXPECT_TRUE(options.state_dir.endsWith("qx770sim"));
}

TEST(tcSimOptions, ValuesAreTakenAndChecked) {
  tcSimOptions options;
  ASSERT_EQ(options.parse({"--bind", "0.0.0.0", "--port", "0", "--password", "", "--state",
                           "/tmp/s", "--meters-hz", "25", "--verbose"}),
            tcSimOptions::kRun);
  EXPECT_EQ(options.port, 0);
  EXPECT_TRUE(options.has_password) << "an empty password clears the stored one";
  EXPECT_EQ(options.state_dir, "/tmp/s");
  EXPECT_EQ(options.meters_hz, 25);

  const QStringList bad[] = {{"--port", "65536"}, {"--port", "x"}, {"--meters-hz", "0"},
                             {"--bind", "host"},  {"--state", ""}, {"--frobnicate"},
                             {"--port"}};
  for (const QStringList& args : bad) {
    tcSimOptions o;
    EXPECT_EQ(o.parse(args), tcSimOptions::kError) << qPrintable(args.join(' '));
    EXPECT_FALSE(o.error().isEmpty());
  }
  EXPECT_EQ(tcSimOptions().parse({"--verbose", "--help"}), tcSimOptions::kHelp);
}

}  // namespace
