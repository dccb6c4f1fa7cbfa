// The views follow the desk: monitors plugged in, unplugged, moved or
// changed while the renderer runs, and the primary's refresh rate, which
// paces the rounds.
#pragma once

// The desk the views were opened for, the monitor each covers, and the
// primary's rate; the regular looks start from here.
void NoteDesk();

// WM_DISPLAYCHANGE: a look at once and another a moment later, as the
// message can come before the new layout has settled.
void DeskAnnounced();

// Looks at the desk when a look is due (once a second, or as announced): the
// rate is read again, and a layout changed since the last look moves, closes
// and opens views to match. An unchanged layout changes nothing.
void FollowDeskIfDue();
