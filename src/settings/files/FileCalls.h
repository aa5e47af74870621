#pragma once

// The system calls a settings load or save goes through. Each system's file code defines them
// (posix/FileCalls.h, windows/FileCalls.h), and its tests replace single calls with failures to
// show that no failure, at any step, leaves a damaged file behind or escapes; the rest of the
// game only hands them on.
class FileCalls;

// The real calls.
FileCalls& SystemFileCalls();
