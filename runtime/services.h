// Utility services of the run time: screen, colours, clipboard, message box,
// HTTP file read, shell, environment, files, processes, random numbers.
// Uses only the platform. Texts are code-page-936 byte strings.
#pragma once
#include <windows.h>
#include <string>

namespace runtime {

using Bytes = std::string;  // a length-counted byte buffer; may hold zero bytes

COLORREF default_back_colour();  // the system's window back colour
SIZE screen_size();              // the primary screen, in pixels

std::string clipboard_text();    // CF_TEXT of the clipboard; empty when none

// A modal box without owner: style 64 is an information box with OK.
int message_box(const std::string& text, UINT style, const std::string& title);

// GET of a web address; empty on failure and for any other address.
Bytes http_file_read(const std::string& address);

// True for addresses that begin with "http://" or "https://" in any letter case.
bool is_web_address(const std::string& address);

// The shell's "open" verb, shown normally; does not wait.
bool open_address(const std::string& address);

std::string environment_variable(const std::string& name);  // empty when unset
bool file_exists(const std::string& path);
bool write_file(const std::string& path, const Bytes& bytes);

// Starts a command line with a hidden window and waits for it; false when it did not start.
bool run_program(const std::string& command_line);

// A pseudo-random integer in [low, high].
int random_number(int low, int high);

}  // namespace runtime
