#include "UninstallProcedure.h"

#include "ExternalPrograms.h"
#include "FileRemoval.h"
#include "RegistryCleanup.h"
#include "base/WQFileStream.h"

namespace Velmo {

using WQSDK::WQFileStream;
using WQSDK::WQObject;
using WQSDK::WQString;

UninstallProcedure::UninstallProcedure(IUninstallDisplay& display)
    : m_display(display)
    , m_stepCounter(0)
    , m_finishButton(nullptr)
    , m_phase(CONSTRUCTED)
{
}

int UninstallProcedure::loadInputs(const WQString& programFolder)
{
    m_programFolder = programFolder;
    m_manifest.removeAll();
    WQFileStream stream;
    if (stream.open(programFolder.concat("\\install.txt"), WQFileStream::MODE_READ)) {
        WQString line;
        // The properties table reads lines the same way the manifest is
        // written: up to and including each line feed.
        while (stream.available() != -1 && m_associations.readLine(&stream, line)) {
            line.trimRight();
            if (!m_manifest.addLast(line))
                break;
        }
        stream.close();
    }
    m_associations.load(programFolder.concat("\\filelink.txt"));
    return m_manifest.getCount();
}

int UninstallProcedure::start()
{
    if (m_phase != CONSTRUCTED)
        return 0;
    if (!m_manifest.moveFirst()) {
        // Nothing to uninstall: nothing is unregistered, removed or opened.
        m_phase = ENDED;
        m_display.quit();
        return 0;
    }
    unregisterShellExtension(m_programFolder);
    m_stepCounter = 1;
    m_display.setProgress(0);
    m_display.startTimer(TIMER_INTERVAL);
    m_phase = REMOVING;
    return 1;
}

int UninstallProcedure::step()
{
    // A tick queued before the timer stopped must not handle the last entry
    // a second time.
    if (m_phase != REMOVING || m_manifest.getCurrent() == nullptr)
        return 1;
    const WQString entry(*m_manifest.getCurrent());
    if (m_manifest.isLast()) {
        // The last entry is the product's registry key, whatever it holds;
        // the label keeps showing the entry before it.
        RegistryCleanup(m_programFolder, m_associations).removeRegistryEntry(entry);
    } else {
        m_display.setStatusText(WQString("Remove->").concat(entry.c_str()));
        removeEntry(entry);
    }
    m_display.setProgress(m_stepCounter);
    ++m_stepCounter;
    if (!m_manifest.moveNext()) {
        m_display.stopTimer();
        m_display.setStatusText(WQString(""));
        m_display.enableFinish();
        m_phase = FINISHED;
    }
    return 1;
}

int UninstallProcedure::finish(const WQObject* source, uint32_t code, int32_t /*parameter*/)
{
    if (source == nullptr || source != m_finishButton || code != BUTTON_CLICKED)
        return 1;
    openFeedbackPage();
    m_phase = ENDED;
    m_display.quit();
    return 1;
}

} // namespace Velmo
