#pragma once
// How the job windows name a job's kind and its target.
#include <QString>

class tHistoryEvent;

// "Report", "Program Send" or "Program Receive" by the class of the job's action.
QString JobTypeText(const tHistoryEvent& job);
// The name of the action's report or program; empty without an action.
QString JobTargetText(const tHistoryEvent& job);
QString JobDateText(const tHistoryEvent& job);
QString JobTimeText(const tHistoryEvent& job);
