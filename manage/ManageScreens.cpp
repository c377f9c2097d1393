#include "ManageScreens.h"

#include "ChangePassword.h"
#include "ClassProgress.h"
#include "DeleteList.h"
#include "LanguagesOfAList.h"
#include "Manager.h"
#include "PasswordForm.h"
#include "SoundOptions.h"
#include "SpeechForPupils.h"

#include "app/ScreenManager.h"

void registerManageScreens(ScreenManager &manager)
{
    manager.registerScreen(ScreenId::PasswordForm, [] { return new PasswordForm; });
    manager.registerScreen(ScreenId::ChangePassword, [] { return new ChangePassword; });
    manager.registerScreen(ScreenId::Manager, [] { return new Manager; });
    manager.registerScreen(ScreenId::DeleteList, [] { return new DeleteList; });
    manager.registerScreen(ScreenId::SoundOptions, [] { return new SoundOptions; });
    manager.registerScreen(ScreenId::LanguagesOfAList, [] { return new LanguagesOfAList; });
    manager.registerScreen(ScreenId::SpeechForPupils, [] { return new SpeechForPupils; });
    manager.registerScreen(ScreenId::ClassProgress, [] { return new ClassProgress; });
}
