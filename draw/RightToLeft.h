#pragma once
#include "Control.h"

// Right-to-left text for controls. Everything here applies only when the system has Middle East
// support enabled; elsewhere the answers are false, false, 0 and the flags unchanged.
bool SkinUseRightToLeftAlignment(const TControl& Control);
bool SkinUseRightToLeftReading(const TControl& Control);
// DT_RTLREADING when right-to-left reading applies, else 0.
unsigned SkinRTLReadingFlag(const TControl& Control);
// Flags for DrawText: right and left alignment swap for right-to-left controls, and the
// reading-order flag is added.
unsigned SkinDrawTextBiDiModeFlags(const TControl& Control, unsigned Flags);

// Test seam: pretend the system does (or does not) have Middle East support; reset with -1.
void SetMiddleEastSupportForTest(int Enabled);
