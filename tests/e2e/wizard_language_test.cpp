// The pages in the system's language: every title and control text of every page the
// wizard reaches, against the string table of that language; English on systems whose
// language has no table. The error pages keep their English titles everywhere.
#include <gtest/gtest.h>

#include <initializer_list>
#include <map>
#include <string>

#include "../../src/res/resource_ids.h"
#include "disc.h"
#include "files.h"
#include "names.h"
#include "virtual_reader.h"
#include "wizard_driver.h"
#include "wizard_steps.h"

using namespace support;

namespace {

// Page titles by page id, control texts by control id.
typedef std::map<int, std::string> Texts;

// English: the texts the pages are made with (pages.rc).
const Texts ENGLISH = {
    {IDD_WELCOME, "Welcome"},
    {IDC_WELCOME_TEXT, "Welcome to the JOV Setupwright Program. This Program will install JOV drivers on your computer."},
    {IDC_WELCOME_HINT, "To avoid problems, please close all running Windows programs before proceeding.\n\nClick Cancel to quit Setup. Click Next to continue..."},
    {IDC_WELCOME_NEXT, "Next >"},
    {IDC_WELCOME_CANCEL, "Cancel"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "PNP Disk allows OS to generate disk drive whenever user inserts flash card into device. Disk drive will also be removed whenever user removes flash card from device."},
    {IDC_PNP_ENABLE, "   Enable PNP Disk"},
    {IDC_PNP_NEXT, "Next >"},
    {IDD_SETUP_COMPLETE, "Setup Complete"},
    {IDC_RESTART_TEXT, "Setup has finished copying files to your computer. Windows must be restarted to complete the installation and update files.\n\n\nChoose one of the following options and click Finish to finish setup ."},
    {IDC_REPLUG_TEXT, "Setup has finished copying files to your computer. Please replug the device."},
    {IDC_RESTART_NOW, "Yes,  I want to restart my computer now."},
    {IDC_RESTART_LATER, "No, I will restart my computer later."},
    {IDC_FINISH, "Finish"},
    {IDD_UNINSTALL_COMPLETE, "Uninstall Complete"},
    {IDC_REMOVED_TEXT, "Setup has finished removing device from your computer.  You can savely unplug the device now."},
    {IDD_EXIT_SETUP, "Exit Setup"},
    {IDC_EXIT_TEXT, "Setup is not complete. If you quit the setup program now, the program will not be installed.\n\nYou may run the Setup program at a later time to complete the installation.\n\nTo continue, click Back. If you really want to quit, click Exit Setup."},
    {IDC_EXIT_CONFIRM, "E&xit Setup"},
    {IDC_EXIT_BACK, "< &Back"},
    {IDC_NO_DEVICE_TEXT, "Setup can't find JOV QM4410 device on your computer."},
    {IDC_NO_DEVICE_HINT, "Please make sure that JOV QM4410 device is plugged into your computer and run this setup program again."},
    {IDC_NO_DEVICE_EXIT, "Exit Setup"},
    {IDC_NOT_INSTALLED_TEXT, "JOV QM4410 driver has never been installed in your computer."},
    {IDC_NOT_INSTALLED_HINT, "Before using this setup program to uninstall JOV QM4410 driver,  please making sure that JOV QM4410 driver has been installed in your computer."},
    {IDC_NOT_INSTALLED_EXIT, "Exit Setup"},
};

// As in src/res/strings/0407_de.rc.
const Texts GERMAN = {
    {IDD_WELCOME, "Willkommen"},
    {IDC_WELCOME_TEXT, "Willkommen beim Programm JOV Setupwright. Dieses Programm installiert JOV-Treiber auf Ihrem Computer."},
    {IDC_WELCOME_HINT, "Um Probleme zu vermeiden, schließen Sie bitte zuerst alle laufenden Windows-Programme.\n\nMit „Abbrechen“ beenden Sie Setup. Mit „Weiter“ fahren Sie fort..."},
    {IDC_WELCOME_NEXT, "Weiter >"},
    {IDC_WELCOME_CANCEL, "Abbrechen"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "Mit PNP Disk erzeugt das Betriebssystem ein Laufwerk, sobald eine Speicherkarte in das Gerät eingesteckt wird. Wird die Karte entfernt, wird auch das Laufwerk wieder entfernt."},
    {IDC_PNP_ENABLE, "   PNP Disk aktivieren"},
    {IDC_PNP_NEXT, "Weiter >"},
    {IDD_SETUP_COMPLETE, "Setup abgeschlossen"},
    {IDC_RESTART_TEXT, "Setup hat die Dateien auf Ihren Computer kopiert. Windows muss neu gestartet werden, um die Installation abzuschließen und Dateien zu aktualisieren.\n\n\nWählen Sie eine der folgenden Optionen, und klicken Sie auf „Fertig stellen“, um Setup zu beenden."},
    {IDC_REPLUG_TEXT, "Setup hat die Dateien auf Ihren Computer kopiert. Bitte stecken Sie das Gerät aus und wieder ein."},
    {IDC_RESTART_NOW, "Ja, ich möchte den Computer jetzt neu starten."},
    {IDC_RESTART_LATER, "Nein, ich starte den Computer später neu."},
    {IDC_FINISH, "Fertig stellen"},
    {IDD_UNINSTALL_COMPLETE, "Deinstallation abgeschlossen"},
    {IDC_REMOVED_TEXT, "Setup hat das Gerät von Ihrem Computer entfernt. Sie können das Gerät jetzt sicher abziehen."},
    {IDD_EXIT_SETUP, "Setup beenden"},
    {IDC_EXIT_TEXT, "Setup ist nicht abgeschlossen. Wenn Sie Setup jetzt beenden, wird das Programm nicht installiert.\n\nSie können Setup später erneut ausführen, um die Installation abzuschließen.\n\nKlicken Sie auf „Zurück“, um fortzufahren. Wenn Sie Setup wirklich beenden möchten, klicken Sie auf „Setup beenden“."},
    {IDC_EXIT_CONFIRM, "Setup &beenden"},
    {IDC_EXIT_BACK, "< &Zurück"},
    {IDC_NO_DEVICE_TEXT, "Setup findet kein JOV QM4410-Gerät auf Ihrem Computer."},
    {IDC_NO_DEVICE_HINT, "Stellen Sie sicher, dass das JOV QM4410-Gerät an den Computer angeschlossen ist, und führen Sie Setup erneut aus."},
    {IDC_NO_DEVICE_EXIT, "Setup beenden"},
    {IDC_NOT_INSTALLED_TEXT, "Der JOV QM4410-Treiber wurde noch nie auf Ihrem Computer installiert."},
    {IDC_NOT_INSTALLED_HINT, "Bevor Sie den JOV QM4410-Treiber mit diesem Setupprogramm deinstallieren, stellen Sie sicher, dass er auf Ihrem Computer installiert ist."},
    {IDC_NOT_INSTALLED_EXIT, "Setup beenden"},
};

// As in src/res/strings/0404_zh_tw.rc.
const Texts TAIWANESE = {
    {IDD_WELCOME, "歡迎"},
    {IDC_WELCOME_TEXT, "歡迎使用 JOV Setupwright 程式。本程式將在您的電腦上安裝 JOV 驅動程式。"},
    {IDC_WELCOME_HINT, "為避免發生問題，請先關閉所有執行中的 Windows 程式再繼續。\n\n按一下「取消」可結束安裝程式，按一下「下一步」可繼續..."},
    {IDC_WELCOME_NEXT, "下一步 >"},
    {IDC_WELCOME_CANCEL, "取消"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "PNP Disk 可讓作業系統在使用者將記憶卡插入裝置時產生磁碟機，並在使用者從裝置取出記憶卡時移除該磁碟機。"},
    {IDC_PNP_ENABLE, "   啟用 PNP Disk"},
    {IDC_PNP_NEXT, "下一步 >"},
    {IDD_SETUP_COMPLETE, "安裝完成"},
    {IDC_RESTART_TEXT, "安裝程式已將檔案複製到您的電腦。必須重新啟動 Windows 才能完成安裝並更新檔案。\n\n\n請選擇下列其中一個選項，然後按一下「完成」結束安裝。"},
    {IDC_REPLUG_TEXT, "安裝程式已將檔案複製到您的電腦。請拔下裝置後再重新插上。"},
    {IDC_RESTART_NOW, "是，我要立即重新啟動電腦。"},
    {IDC_RESTART_LATER, "否，我稍後再重新啟動電腦。"},
    {IDC_FINISH, "完成"},
    {IDD_UNINSTALL_COMPLETE, "解除安裝完成"},
    {IDC_REMOVED_TEXT, "安裝程式已從您的電腦移除裝置。現在可以安全地拔下裝置。"},
    {IDD_EXIT_SETUP, "結束安裝"},
    {IDC_EXIT_TEXT, "安裝尚未完成。如果現在結束安裝程式，將不會安裝本程式。\n\n您可以稍後再執行安裝程式來完成安裝。\n\n若要繼續，請按一下「上一步」。若確定要結束，請按一下「結束安裝」。"},
    {IDC_EXIT_CONFIRM, "結束安裝(&X)"},
    {IDC_EXIT_BACK, "< 上一步(&B)"},
    {IDC_NO_DEVICE_TEXT, "安裝程式在您的電腦上找不到 JOV QM4410 裝置。"},
    {IDC_NO_DEVICE_HINT, "請確定 JOV QM4410 裝置已連接到您的電腦，然後再執行一次本安裝程式。"},
    {IDC_NO_DEVICE_EXIT, "結束安裝"},
    {IDC_NOT_INSTALLED_TEXT, "您的電腦從未安裝過 JOV QM4410 驅動程式。"},
    {IDC_NOT_INSTALLED_HINT, "使用本安裝程式解除安裝 JOV QM4410 驅動程式之前，請確定您的電腦已安裝 JOV QM4410 驅動程式。"},
    {IDC_NOT_INSTALLED_EXIT, "結束安裝"},
};

// As in src/res/strings/0411_ja.rc.
const Texts JAPANESE = {
    {IDD_WELCOME, "ようこそ"},
    {IDC_WELCOME_TEXT, "JOV Setupwright プログラムへようこそ。このプログラムは、JOV ドライバーをコンピューターにインストールします。"},
    {IDC_WELCOME_HINT, "問題を避けるため、続行する前に実行中の Windows プログラムをすべて終了してください。\n\nセットアップを中止するには [キャンセル] を、続行するには [次へ] をクリックしてください。"},
    {IDC_WELCOME_NEXT, "次へ >"},
    {IDC_WELCOME_CANCEL, "キャンセル"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "PNP Disk を使用すると、デバイスにメモリ カードを挿入するたびに OS がディスク ドライブを作成します。カードを取り出すと、そのドライブも削除されます。"},
    {IDC_PNP_ENABLE, "   PNP Disk を有効にする"},
    {IDC_PNP_NEXT, "次へ >"},
    {IDD_SETUP_COMPLETE, "セットアップの完了"},
    {IDC_RESTART_TEXT, "コンピューターへのファイルのコピーが完了しました。インストールを完了してファイルを更新するには、Windows を再起動する必要があります。\n\n\n次のいずれかを選択し、[完了] をクリックしてセットアップを終了してください。"},
    {IDC_REPLUG_TEXT, "ファイルのコピーが完了しました。デバイスをいったん取り外してから、もう一度接続してください。"},
    {IDC_RESTART_NOW, "はい、今すぐコンピューターを再起動します。"},
    {IDC_RESTART_LATER, "いいえ、後でコンピューターを再起動します。"},
    {IDC_FINISH, "完了"},
    {IDD_UNINSTALL_COMPLETE, "アンインストールの完了"},
    {IDC_REMOVED_TEXT, "コンピューターからデバイスを削除しました。デバイスを安全に取り外すことができます。"},
    {IDD_EXIT_SETUP, "セットアップの終了"},
    {IDC_EXIT_TEXT, "セットアップは完了していません。ここで終了すると、プログラムはインストールされません。\n\nインストールは、後でセットアップ プログラムを実行して完了することもできます。\n\n続行するには [戻る] をクリックしてください。セットアップを終了する場合は [終了] をクリックしてください。"},
    {IDC_EXIT_CONFIRM, "終了(&X)"},
    {IDC_EXIT_BACK, "< 戻る(&B)"},
    {IDC_NO_DEVICE_TEXT, "コンピューターに JOV QM4410 デバイスが見つかりません。"},
    {IDC_NO_DEVICE_HINT, "JOV QM4410 デバイスがコンピューターに接続されていることを確認してから、このセットアップ プログラムをもう一度実行してください。"},
    {IDC_NO_DEVICE_EXIT, "終了"},
    {IDC_NOT_INSTALLED_TEXT, "JOV QM4410 ドライバーは、このコンピューターに一度もインストールされていません。"},
    {IDC_NOT_INSTALLED_HINT, "このセットアップ プログラムで JOV QM4410 ドライバーをアンインストールする前に、JOV QM4410 ドライバーがコンピューターにインストールされていることを確認してください。"},
    {IDC_NOT_INSTALLED_EXIT, "終了"},
};

// As in src/res/strings/0419_ru.rc.
const Texts RUSSIAN = {
    {IDD_WELCOME, "Добро пожаловать"},
    {IDC_WELCOME_TEXT, "Вас приветствует программа JOV Setupwright. Эта программа установит драйверы JOV на ваш компьютер."},
    {IDC_WELCOME_HINT, "Во избежание проблем закройте все работающие программы Windows, прежде чем продолжить.\n\nНажмите «Отмена», чтобы выйти, или «Далее», чтобы продолжить..."},
    {IDC_WELCOME_NEXT, "Далее >"},
    {IDC_WELCOME_CANCEL, "Отмена"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "PNP Disk позволяет операционной системе создавать диск каждый раз, когда в устройство вставляется карта памяти. При извлечении карты этот диск удаляется."},
    {IDC_PNP_ENABLE, "   Включить PNP Disk"},
    {IDC_PNP_NEXT, "Далее >"},
    {IDD_SETUP_COMPLETE, "Установка завершена"},
    {IDC_RESTART_TEXT, "Программа установки скопировала файлы на компьютер. Для завершения установки и обновления файлов необходимо перезагрузить Windows.\n\n\nВыберите один из следующих вариантов и нажмите «Готово», чтобы завершить установку."},
    {IDC_REPLUG_TEXT, "Копирование файлов на компьютер завершено. Отключите устройство и подключите его снова."},
    {IDC_RESTART_NOW, "Да, я хочу перезагрузить компьютер сейчас."},
    {IDC_RESTART_LATER, "Нет, я перезагружу компьютер позже."},
    {IDC_FINISH, "Готово"},
    {IDD_UNINSTALL_COMPLETE, "Удаление завершено"},
    {IDC_REMOVED_TEXT, "Программа установки удалила устройство с компьютера. Теперь устройство можно безопасно отключить."},
    {IDD_EXIT_SETUP, "Выход из установки"},
    {IDC_EXIT_TEXT, "Установка не завершена. Если выйти сейчас, программа не будет установлена.\n\nЗавершить установку можно позже, снова запустив программу установки.\n\nЧтобы продолжить, нажмите «Назад». Если вы действительно хотите выйти, нажмите «Выход»."},
    {IDC_EXIT_CONFIRM, "&Выход"},
    {IDC_EXIT_BACK, "< &Назад"},
    {IDC_NO_DEVICE_TEXT, "Устройство JOV QM4410 на компьютере не найдено."},
    {IDC_NO_DEVICE_HINT, "Убедитесь, что устройство JOV QM4410 подключено к компьютеру, и снова запустите программу установки."},
    {IDC_NO_DEVICE_EXIT, "Выход"},
    {IDC_NOT_INSTALLED_TEXT, "Драйвер JOV QM4410 никогда не устанавливался на этот компьютер."},
    {IDC_NOT_INSTALLED_HINT, "Прежде чем удалять драйвер JOV QM4410 с помощью этой программы, убедитесь, что он установлен на компьютере."},
    {IDC_NOT_INSTALLED_EXIT, "Выход"},
};

// As in src/res/strings/0c0a_es.rc.
const Texts SPANISH = {
    {IDD_WELCOME, "Bienvenido"},
    {IDC_WELCOME_TEXT, "Bienvenido al programa JOV Setupwright. Este programa instalará los controladores JOV en su equipo."},
    {IDC_WELCOME_HINT, "Para evitar problemas, cierre todos los programas de Windows abiertos antes de continuar.\n\nHaga clic en Cancelar para salir o en Siguiente para continuar..."},
    {IDC_WELCOME_NEXT, "Siguiente >"},
    {IDC_WELCOME_CANCEL, "Cancelar"},
    {IDD_PNP_DISK, "PNP Disk"},
    {IDC_PNP_TEXT, "PNP Disk permite que el sistema operativo cree una unidad de disco cada vez que se inserta una tarjeta de memoria en el dispositivo. La unidad se quita al retirar la tarjeta."},
    {IDC_PNP_ENABLE, "   Habilitar PNP Disk"},
    {IDC_PNP_NEXT, "Siguiente >"},
    {IDD_SETUP_COMPLETE, "Instalación completada"},
    {IDC_RESTART_TEXT, "El programa de instalación ha copiado los archivos en su equipo. Debe reiniciar Windows para completar la instalación y actualizar los archivos.\n\n\nElija una de las opciones siguientes y haga clic en Finalizar para terminar."},
    {IDC_REPLUG_TEXT, "Se han copiado los archivos en su equipo. Desconecte el dispositivo y vuelva a conectarlo."},
    {IDC_RESTART_NOW, "Sí, deseo reiniciar el equipo ahora."},
    {IDC_RESTART_LATER, "No, reiniciaré el equipo más tarde."},
    {IDC_FINISH, "Finalizar"},
    {IDD_UNINSTALL_COMPLETE, "Desinstalación completada"},
    {IDC_REMOVED_TEXT, "Se ha quitado el dispositivo de su equipo. Ya puede desconectarlo de forma segura."},
    {IDD_EXIT_SETUP, "Salir de la instalación"},
    {IDC_EXIT_TEXT, "La instalación no ha finalizado. Si sale ahora, el programa no se instalará.\n\nPuede volver a ejecutar el programa de instalación más adelante para completarla.\n\nPara continuar, haga clic en Atrás. Si realmente desea salir, haga clic en Salir."},
    {IDC_EXIT_CONFIRM, "&Salir"},
    {IDC_EXIT_BACK, "< &Atrás"},
    {IDC_NO_DEVICE_TEXT, "No se encuentra el dispositivo JOV QM4410 en su equipo."},
    {IDC_NO_DEVICE_HINT, "Asegúrese de que el dispositivo JOV QM4410 está conectado al equipo y vuelva a ejecutar este programa de instalación."},
    {IDC_NO_DEVICE_EXIT, "Salir"},
    {IDC_NOT_INSTALLED_TEXT, "El controlador JOV QM4410 nunca se ha instalado en su equipo."},
    {IDC_NOT_INSTALLED_HINT, "Antes de usar este programa para desinstalar el controlador JOV QM4410, asegúrese de que dicho controlador esté instalado en su equipo."},
    {IDC_NOT_INSTALLED_EXIT, "Salir"},
};
class WizardLanguage : public ::testing::Test {
protected:
    void StartWizard(const std::string& arguments = "") {
        setup = StartProgram("\"" + disc.Path("Setup.exe") + "\"" + arguments);
        ASSERT_TRUE(setup.IsStarted()) << setup.Describe();
    }

    HWND Next(HWND page, const std::string& title) { return NextPageTitled(wizard, setup, page, title); }

    void ExpectTexts(HWND page, const Texts& texts, std::initializer_list<int> controls) {
        for (int id : controls) EXPECT_EQ(texts.at(id), wizard.Text(page, id)) << "control " << ResourceName(id);
    }

    void ExpectEnds(DWORD exitCode = 0) {
        EXPECT_TRUE(setup.Ends());
        EXPECT_EQ(ExitCodeName(exitCode), ExitCodeName(setup.ExitCode()));
    }

    // An installation through every page on the way (Windows XP, PNP_Mode not set), a
    // removal, a second removal with nothing left to remove, then a start without the
    // reader.
    void WalkEveryPage(const Texts& t) {
        SetWindowsFamily("winxp");
        SetHelperBehaviour(0, 0);
        disc.Lay();
        std::string ini = ReadFileText(disc.Path("setup.ini"));
        size_t line = ini.find("PNP_Mode=-1\n");
        ASSERT_NE(std::string::npos, line) << "the sample setup.ini has changed";
        disc.WriteSetupIni(ini.erase(line, 12));
        PlugIn(reader);

        StartWizard();
        HWND page = Next(nullptr, t.at(IDD_WELCOME));
        ASSERT_TRUE(page);
        ExpectTexts(page, t, {IDC_WELCOME_TEXT, IDC_WELCOME_HINT, IDC_WELCOME_NEXT, IDC_WELCOME_CANCEL});
        wizard.Click(page, IDC_WELCOME_NEXT);
        ASSERT_TRUE(page = Next(page, t.at(IDD_PNP_DISK)));
        ExpectTexts(page, t, {IDC_PNP_TEXT, IDC_PNP_ENABLE, IDC_PNP_NEXT});
        wizard.PressEsc(page);
        ASSERT_TRUE(page = Next(page, t.at(IDD_EXIT_SETUP)));
        ExpectTexts(page, t, {IDC_EXIT_TEXT, IDC_EXIT_CONFIRM, IDC_EXIT_BACK});
        wizard.Click(page, IDC_EXIT_BACK);
        ASSERT_TRUE(page = Next(page, t.at(IDD_PNP_DISK)));
        wizard.Click(page, IDC_PNP_NEXT);
        ASSERT_TRUE(page = Next(page, t.at(IDD_SETUP_COMPLETE)));
        // The restart choice is hidden on XP, but in the page's language all the same.
        ExpectTexts(page, t, {IDC_RESTART_TEXT, IDC_REPLUG_TEXT, IDC_RESTART_NOW, IDC_RESTART_LATER, IDC_FINISH});
        wizard.Click(page, IDC_FINISH);
        ExpectEnds();

        StartWizard(" -u");
        ASSERT_TRUE(page = Next(nullptr, t.at(IDD_WELCOME)));
        wizard.Click(page, IDC_WELCOME_NEXT);
        ASSERT_TRUE(page = Next(page, t.at(IDD_UNINSTALL_COMPLETE)));
        ExpectTexts(page, t, {IDC_REMOVED_TEXT, IDC_FINISH});
        wizard.Click(page, IDC_FINISH);
        ExpectEnds();

        PlugIn(reader);   // the removal took its node
        StartWizard(" -u");
        ASSERT_TRUE(page = Next(nullptr, t.at(IDD_WELCOME)));
        wizard.Click(page, IDC_WELCOME_NEXT);
        ASSERT_TRUE(page = Next(page, "ERROR!!"));
        ExpectTexts(page, t, {IDC_NOT_INSTALLED_TEXT, IDC_NOT_INSTALLED_HINT, IDC_NOT_INSTALLED_EXIT});
        wizard.Click(page, IDC_NOT_INSTALLED_EXIT);
        ExpectEnds(0);

        Unplug(reader);
        StartWizard();
        ASSERT_TRUE(page = Next(nullptr, t.at(IDD_WELCOME)));
        wizard.Click(page, IDC_WELCOME_NEXT);
        ASSERT_TRUE(page = Next(page, "ERROR !!"));
        ExpectTexts(page, t, {IDC_NO_DEVICE_TEXT, IDC_NO_DEVICE_HINT, IDC_NO_DEVICE_EXIT});
        wizard.Click(page, IDC_NO_DEVICE_EXIT);
        ExpectEnds(4);
    }

    Disc disc;
    VirtualReader reader;
    WizardDriver wizard;
    Started setup;
};

}  // namespace

// Each runs on a system of that language (see wizard.cmake); German and English for a
// user of another language.
TEST_F(WizardLanguage, German) {
    ASSERT_NE(GetSystemDefaultLangID(), GetUserDefaultLangID()) << "needs a user of another language";
    WalkEveryPage(GERMAN);
}
TEST_F(WizardLanguage, TraditionalChinese) { WalkEveryPage(TAIWANESE); }
TEST_F(WizardLanguage, Japanese) { WalkEveryPage(JAPANESE); }
TEST_F(WizardLanguage, Russian) { WalkEveryPage(RUSSIAN); }
TEST_F(WizardLanguage, Spanish) { WalkEveryPage(SPANISH); }
TEST_F(WizardLanguage, English) {
    ASSERT_NE(GetSystemDefaultLangID(), GetUserDefaultLangID()) << "needs a user of another language";
    WalkEveryPage(ENGLISH);
}
// German as spoken in Switzerland and Austria has no table of its own.
TEST_F(WizardLanguage, SwissGermanInEnglish) { WalkEveryPage(ENGLISH); }
TEST_F(WizardLanguage, AustrianGermanInEnglish) { WalkEveryPage(ENGLISH); }
