#pragma once

class TGalleryMainForm;
class TGallerySecondForm;

// Clicks each button of the Dialogs page as a user would, closes whatever it opens from a timer
// (Cancel for the system dialogs, OK for the second form) and checks both what opened and what
// the main form reported afterwards. Prints a line per button; returns the number of faults.
int ExerciseDialogs(TGalleryMainForm& Form, TGallerySecondForm& Second);
