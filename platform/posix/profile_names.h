// The name rules of the profile reader now live in profile_parse.h. Only the contract header
// platform/profile_section.h still includes this name; it goes when that header stops
// reaching into the POSIX reader.
#pragma once

#include "platform/posix/profile_parse.h"
