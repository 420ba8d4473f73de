#include "services/firmware/tcFirmwareHeader.h"

#include <gtest/gtest.h>

namespace {

const QByteArray kImage =
    "MORVALLION QX770X UPGRADE\n"
    "BUILD:Mar 3 2011\n"
    "DSPVER:3.2\n"
    "MCSVER:1.4\n"
    "APVER:2.8.1\n"
    "ENDHEADER\n"
    "\x01\x02\x00\xff binary";

}  // namespace

TEST(FirmwareHeader, ReadsEveryFieldUpToTheEndLine) {
  tcFirmwareHeader h;
  ASSERT_EQ(tcFirmwareHeader::read(kImage, h), 0);
  EXPECT_TRUE(h.signature_ok());
  EXPECT_EQ(h.verify_text(),
            "MORVALLION QX770X UPGRADE\nAP Version: 2.8.1\nDSP Version: 3.2\n"
            "FPGA Version: 1.4\nBuild Date: Mar 3 2011");

  // Carriage returns before the line feeds change nothing.
  QByteArray crlf = kImage;
  crlf.replace("\n", "\r\n");
  tcFirmwareHeader h2;
  ASSERT_EQ(tcFirmwareHeader::read(crlf, h2), 0);
  EXPECT_EQ(h2.verify_text(), h.verify_text());

  tcFirmwareHeader other;
  ASSERT_EQ(tcFirmwareHeader::read("QUESSA QX770X UPGRADE\nENDHEADER", other), 0);
  EXPECT_TRUE(other.signature_ok());
}

TEST(FirmwareHeader, RulesApplyInOrderAndTheEndLineMustBeExact) {
  tcFirmwareHeader h;
  // A line with two keys takes the first rule; "ENDHEADER " is not the end line.
  ASSERT_EQ(tcFirmwareHeader::read("x BUILD:1 APVER:2\nENDHEADER \nAPVER:9\nENDHEADER\n", h), 0);
  EXPECT_EQ(h.build, "x 1 APVER:2");
  EXPECT_EQ(h.ap, "9");
  EXPECT_EQ(h.dsp, "???");
  // Lines after the header are not read.
  tcFirmwareHeader end;
  ASSERT_EQ(tcFirmwareHeader::read("ENDHEADER\nAPVER:1\n", end), 0);
  EXPECT_EQ(end.ap, "???");
}

TEST(FirmwareHeader, RefusalsNameWhatWasFound) {
  tcFirmwareHeader none;
  ASSERT_EQ(tcFirmwareHeader::read("APVER:1\nENDHEADER\n", none), 0);
  EXPECT_FALSE(none.signature_ok());
  EXPECT_EQ(none.wrong_signature_text(),
            "This does not appear to be an QX770HD file!\n\n"
            "Signature wanted: MORVALLION QX770X UPGRADE\nSignature found: ???");

  tcFirmwareHeader near;
  ASSERT_EQ(tcFirmwareHeader::read("MORVALLION QX770 UPGRADE\nENDHEADER", near), 0);
  EXPECT_EQ(near.signature, "MORVALLION QX770 UPGRADE");
  EXPECT_FALSE(near.signature_ok());

  tcFirmwareHeader open;
  EXPECT_EQ(tcFirmwareHeader::read("MORVALLION QX770X UPGRADE\nAPVER:1\n", open), -1);
  EXPECT_EQ(tcFirmwareHeader::read(QByteArray(), open), -1);
}
