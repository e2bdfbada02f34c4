// Steps the verbs share around a host session: starting it, the plug-in's importer, saving
// and checking that the expected file was written, adding what the session opened and saved
// to the summary, and failing with one line.
#pragma once

#include <string>

#include "app/FileState.h"
#include "app/HostSession.h"
#include "app/TranslationSummary.h"
#include "host/Plugin.h"

namespace pcbhost {

// Prints the error line and answers the failure status.
int Fail(const std::string& message);

// Starts a session that answers every confirmation No; quiet: without a progress bar.
bool StartSession(THostSession& session, bool quiet, std::string* error);
// Starts such a session with the board open as the current document.
bool StartOnBoard(THostSession& session, const std::string& board, bool quiet,
                  std::string* error);

// The plug-in's importer interface, or null.
host::IPcbFileImporter* FileImporter(THostSession& session);

// Saves the modified documents, then checks that the expected file (when named) was written
// since it was looked at; the exit status, with the error line printed.
int SaveAndCheck(THostSession& session, const std::string& expected, const TFileState& before);

// Every report the session opened, with its counts then.
void AddOpenedReports(THostSession& session, TTranslationSummary& summary);
// Every document and project file the session saved.
void AddSavedFiles(THostSession& session, TTranslationSummary& summary);

}  // namespace pcbhost
