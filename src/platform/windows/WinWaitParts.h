#pragma once

#include "core/RunningProgram.h"

#include <memory>

class IdleSource;
class LoadSampler;
class ProcessWatcher;

// The parts of the Windows waits, each in its own file; WinWaitSources puts them together.
QList<RunningProgram> listRunningPrograms();
std::unique_ptr<ProcessWatcher> makeWinProcessWatcher();
std::unique_ptr<LoadSampler> makeWinLoadSampler();
std::unique_ptr<IdleSource> makeWinIdleSource();
