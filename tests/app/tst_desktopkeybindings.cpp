// The desktop's own key bindings for `--action`: the lines for sway and Hyprland, and
// GNOME's custom keybindings written and removed through the real gsettings (keyfile
// back-end, GNOME's two schemas compiled into a folder of the test).
#include "desktopkeybindings.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The keys of GNOME's media-keys schemas that custom keybindings use.
const char schemas[] = R"(<schemalist>
  <schema id="org.gnome.settings-daemon.plugins.media-keys"
          path="/org/gnome/settings-daemon/plugins/media-keys/">
    <key name="custom-keybindings" type="as"><default>[]</default></key>
  </schema>
  <schema id="org.gnome.settings-daemon.plugins.media-keys.custom-keybinding">
    <key name="name" type="s"><default>''</default></key>
    <key name="command" type="s"><default>''</default></key>
    <key name="binding" type="s"><default>''</default></key>
  </schema>
</schemalist>
)";

const QString folder =
    QStringLiteral("/org/gnome/settings-daemon/plugins/media-keys/custom-keybindings/");

QVariantMap binding(const QString &action, const QString &sequence)
{
    return {{"action", action}, {"sequence", sequence}, {"name", action}};
}

QString gsettings(const QStringList &arguments)
{
    QProcess process;
    process.start("gsettings", arguments);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput()).trimmed();
}

} // namespace

class TestDesktopKeyBindings : public QObject
{
    Q_OBJECT

private slots:
    void lines_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("sway");
        QTest::addColumn<QString>("hyprland");
        QTest::newRow("ctrl+z") << "undo"
                                << "Ctrl+Z"
                                << "bindsym ctrl+z exec /opt/q m --action undo"
                                << "bind = CTRL, Z, exec, /opt/q m --action undo";
        QTest::newRow("three modifiers")
            << "white-board"
            << "Ctrl+Shift+Alt+W"
            << "bindsym ctrl+Mod1+shift+w exec /opt/q m --action white-board"
            << "bind = CTRL ALT SHIFT, W, exec, /opt/q m --action white-board";
        QTest::newRow("logo and function key") << "laser"
                                               << "Meta+F5"
                                               << "bindsym Mod4+F5 exec /opt/q m --action laser"
                                               << "bind = SUPER, F5, exec, /opt/q m --action laser";
        QTest::newRow("not an action name") << "undo; rm -rf ~"
                                            << "Ctrl+Z"
                                            << ""
                                            << "";
        QTest::newRow("two keys") << "undo"
                                  << "Ctrl+Z, Ctrl+Y"
                                  << ""
                                  << "";
        QTest::newRow("no sequence") << "undo"
                                     << ""
                                     << ""
                                     << "";
    }
    void lines()
    {
        QFETCH(QString, action);
        QFETCH(QString, sequence);
        QFETCH(QString, sway);
        QFETCH(QString, hyprland);
        DesktopKeyBindings bindings;
        bindings.setProgram("/opt/q m");
        const QVariantList list{binding(action, sequence)};
        // The path has a space: the shell sees one word.
        QCOMPARE(bindings.swayLines(list), QString(sway).replace("/opt/q m", "'/opt/q m'"));
        QCOMPARE(bindings.hyprlandLines(list), QString(hyprland).replace("/opt/q m", "'/opt/q m'"));
    }

    void gnomeAccelerator_data()
    {
        QTest::addColumn<QString>("sequence");
        QTest::addColumn<QString>("accelerator");
        QTest::newRow("ctrl+z") << "Ctrl+Z"
                                << "<Control>z";
        QTest::newRow("shift ctrl l") << "Shift+Ctrl+L"
                                      << "<Control><Shift>l";
        QTest::newRow("super print") << "Meta+Print"
                                     << "<Super>Print";
        QTest::newRow("unknown key") << "Ctrl+é"
                                     << "";
    }
    void gnomeAccelerator()
    {
        QFETCH(QString, sequence);
        QFETCH(QString, accelerator);
        QCOMPARE(DesktopKeyBindings::gnomeAccelerator(sequence), accelerator);
    }

    // The user's own custom keybinding stays through writing and removing ours.
    void gnomeBindingsAreWrittenAndRemoved()
    {
        QTemporaryDir home;
        QVERIFY(home.isValid());
        QVERIFY(QDir(home.path()).mkpath("schemas"));
        QFile xml(home.path() + "/schemas/test.gschema.xml");
        QVERIFY(xml.open(QIODevice::WriteOnly));
        xml.write(schemas);
        xml.close();
        QCOMPARE(QProcess::execute("glib-compile-schemas", {home.path() + "/schemas"}), 0);
        qputenv("GSETTINGS_SCHEMA_DIR", QFile::encodeName(home.path() + "/schemas"));
        qputenv("GSETTINGS_BACKEND", "keyfile");
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path() + "/config"));

        const QString users = folder + "custom0/";
        gsettings({"set", "org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings",
                   "['" + users + "']"});

        DesktopKeyBindings bindings;
        bindings.setProgram("/usr/bin/quillmark");
        QVERIFY(bindings.writeGnomeBindings({binding("undo", "Ctrl+Z"),
                                             binding("white-board", "Ctrl+Shift+W"),
                                             binding("bad name!", "Ctrl+B")}));
        QCOMPARE(bindings.gnomeBindingCount(), 2);
        QCOMPARE(gsettings(
                     {"get", "org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings"}),
                 "['" + users + "', '" + folder + "quillmark-undo/', '" + folder +
                     "quillmark-white-board/']");
        const QString undo =
            "org.gnome.settings-daemon.plugins.media-keys.custom-keybinding:" + folder +
            "quillmark-undo/";
        QCOMPARE(gsettings({"get", undo, "command"}), "'/usr/bin/quillmark --action undo'");
        QCOMPARE(gsettings({"get", undo, "binding"}), "'<Control>z'");

        // Written again: still one of each.
        QVERIFY(bindings.writeGnomeBindings({binding("undo", "Ctrl+Alt+Z")}));
        QCOMPARE(bindings.gnomeBindingCount(), 1);
        QCOMPARE(gsettings({"get", undo, "binding"}), "'<Control><Alt>z'");

        QVERIFY(bindings.removeGnomeBindings());
        QCOMPARE(bindings.gnomeBindingCount(), 0);
        QCOMPARE(gsettings(
                     {"get", "org.gnome.settings-daemon.plugins.media-keys", "custom-keybindings"}),
                 "['" + users + "']");
        QCOMPARE(gsettings({"get", undo, "command"}), "''");
    }
};

QTEST_GUILESS_MAIN(TestDesktopKeyBindings)
#include "tst_desktopkeybindings.moc"
