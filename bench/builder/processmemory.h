// SPDX-FileCopyrightText: 2026 The Quillsite Team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QtGlobal>

namespace quillsite::bench {

// Resident memory of this process in KiB, from /proc/self/status (VmRSS).
qint64 residentKib();

// The highest resident memory since start or the last resetPeakResident (VmHWM).
qint64 peakResidentKib();

// Starts a new peak measurement from the present resident size. False when
// the kernel doesn't allow it; the peak then counts from the process start.
bool resetPeakResident();

} // namespace quillsite::bench
