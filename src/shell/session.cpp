#include "shell/session.h"

Session &session()
{
    static Session current;
    return current;
}
