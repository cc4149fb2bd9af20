#ifndef VELMO_APP_EXTERNALPROGRAMS_H
#define VELMO_APP_EXTERNALPROGRAMS_H

#include "base/WQString.h"

namespace Velmo {

// The maker's feedback page, opened when the user finishes.
extern const char* const kFeedbackPage;

// "regsvr32.exe /s /u " followed by the short (8.3) path of
// VelmoShellEx.dll in `programFolder`, which has no blanks and needs no
// quotes; the path part is empty when there is no short path (the file is
// missing).
WQSDK::WQString shellExtensionCommand(const WQSDK::WQString& programFolder);

// Starts the unregistration of the viewer's shell extension; does not wait
// for it. 1 when the process was started.
int unregisterShellExtension(const WQSDK::WQString& programFolder);

// Starts a command line as a new process (the usual search for the
// program) and returns at once. 1 when the process was started.
int runProgram(const WQSDK::WQString& commandLine);

// Opens the feedback page in the system's browser; does not wait for it.
// 1 when the shell reported success.
int openFeedbackPage();

} // namespace Velmo

#endif
