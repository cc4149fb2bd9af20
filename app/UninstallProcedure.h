#ifndef VELMO_APP_UNINSTALLPROCEDURE_H
#define VELMO_APP_UNINSTALLPROCEDURE_H

#include <cstdint>

#include "IUninstallDisplay.h"
#include "base/TWQList.h"
#include "base/WQObject.h"
#include "base/WQProperties.h"
#include "base/WQString.h"

namespace Velmo {

// The uninstall procedure, driven by the hooks of its window:
//   start()  from onAfterCreate: unregisters the shell extension and starts
//            the 10 ms timer, or ends at once when the manifest is empty;
//   step()   from onTimer: handles one manifest entry per tick (files and
//            folders, then the registry with the last entry);
//   finish() from actionPerformed: the finish button opens the feedback
//            page and ends the program.
// Everything it shows goes through the display.
class UninstallProcedure {
public:
    // The action code of a clicked button.
    static const uint32_t BUTTON_CLICKED = 0x4100701;
    static const uint32_t TIMER_INTERVAL = 10;

    using Manifest = WQSDK::TWQList<WQSDK::WQString>;

    // `display` must outlive the procedure.
    explicit UninstallProcedure(IUninstallDisplay& display);
    UninstallProcedure(const UninstallProcedure&) = delete;
    UninstallProcedure& operator=(const UninstallProcedure&) = delete;

    // Takes the program folder (without a trailing backslash) and reads its
    // install.txt into the manifest, one entry per line with trailing
    // blanks removed, and its filelink.txt into the association table.
    // Missing files leave them empty. Returns the number of entries.
    int loadInputs(const WQSDK::WQString& programFolder);

    const WQSDK::WQString& getProgramFolder() const { return m_programFolder; }
    Manifest& getManifest() { return m_manifest; }
    WQSDK::WQProperties& getAssociations() { return m_associations; }
    int32_t getStepCounter() const { return m_stepCounter; }

    // The button whose click finishes; other sources are ignored.
    void setFinishButton(const WQSDK::WQObject* button) { m_finishButton = button; }

    // 1 when the procedure started, 0 when it ended at once (empty
    // manifest) or had started before.
    int start();
    // One entry; after the last one the timer stops, the label is cleared
    // and the finish button enabled. Ticks that arrive outside the
    // procedure do nothing. Always 1.
    int step();
    // Always 1.
    int finish(const WQSDK::WQObject* source, uint32_t code, int32_t parameter);

private:
    enum Phase { CONSTRUCTED, REMOVING, FINISHED, ENDED };

    IUninstallDisplay& m_display;
    Manifest m_manifest;
    WQSDK::WQString m_programFolder;
    int32_t m_stepCounter;
    WQSDK::WQProperties m_associations;
    const WQSDK::WQObject* m_finishButton;
    Phase m_phase;
};

} // namespace Velmo

#endif
