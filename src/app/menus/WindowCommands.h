#pragma once

namespace virelai {

class Form1;
class TeacherMessages;

// Gives the window its printer, its outline navigation and its menu bar.
void installWindowCommands(Form1 &form, TeacherMessages &messages);

} // namespace virelai
