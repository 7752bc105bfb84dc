#pragma once
// The zero-skip rule of the report forms: when set, a report line prints only when its
// count or total is present and not zero. Set before each presentation (by the stored-poll
// browser from its box, by the automatic print after a poll from the settings); false at
// start. GUI thread only.
extern bool ZeroSkip;
