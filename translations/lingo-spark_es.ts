<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>AboutForm</name>
    <message>
        <source>About Lingo-Spark</source>
        <translation>Acerca de Lingo-Spark</translation>
    </message>
    <message>
        <source>Version 1.6</source>
        <translation>Versión 1.6</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>AddWord</name>
    <message>
        <source>Add A Word To This List</source>
        <translation>Añadir una palabra a esta lista</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palabra:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Add Word</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Otros caracteres...</translation>
    </message>
</context>
<context>
    <name>BoxChart</name>
    <message>
        <source>Choose a word list to see its words in their boxes.</source>
        <translation>Elige una lista para ver sus palabras en sus cajas.</translation>
    </message>
    <message>
        <source>Words in each box</source>
        <translation>Palabras en cada caja</translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation>Caja %1</translation>
    </message>
    <message numerus="yes">
        <source>Box %1: %n word(s)</source>
        <translation>
            <numerusform>Caja %1: %n palabra</numerusform>
            <numerusform>Caja %1: %n palabras</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>box %1: %n word(s)</source>
        <translation>
            <numerusform>caja %1: %n palabra</numerusform>
            <numerusform>caja %1: %n palabras</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ChangeListName</name>
    <message>
        <source>Change List Name</source>
        <translation>Renombrar lista</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nombre de la lista</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>ChangePassword</name>
    <message>
        <source>Change Teacher Management Password</source>
        <translation>Cambiar la contraseña de la Zona del profesor</translation>
    </message>
    <message>
        <source>Old Password:</source>
        <translation>Contraseña actual:</translation>
    </message>
    <message>
        <source>New Password:</source>
        <translation>Contraseña nueva:</translation>
    </message>
    <message>
        <source>Confirm New Password:</source>
        <translation>Repita la contraseña:</translation>
    </message>
    <message>
        <source>Password Change Successful!</source>
        <translation>¡Contraseña cambiada!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The password was not changed.</source>
        <translation>%1

La contraseña no se ha cambiado.</translation>
    </message>
    <message>
        <source>The new password has a character that cannot be stored. Please use other characters.</source>
        <translation>La contraseña nueva tiene un carácter que no se puede guardar. Use otros caracteres.</translation>
    </message>
</context>
<context>
    <name>ChooseAList</name>
    <message>
        <source>Hey!</source>
        <translation>¡Eh!</translation>
    </message>
    <message>
        <source>You need to choose a list!</source>
        <translation>¡Tienes que elegir una lista!</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ClassProgress</name>
    <message>
        <source>Pupil</source>
        <translation>Alumno</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Fallos</translation>
    </message>
    <message>
        <source>Share right</source>
        <translation>% aciertos</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Pupils who missed it</source>
        <translation>Alumnos que la fallaron</translation>
    </message>
    <message>
        <source>Class Progress</source>
        <translation>Progreso de la clase</translation>
    </message>
    <message>
        <source>Choose a list to see how the class does with it.</source>
        <translation>Elija una lista para ver cómo le va a la clase con ella.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Pupils who practised it:</source>
        <translation>Alumnos que la practicaron:</translation>
    </message>
    <message>
        <source>Pupils who practised the list</source>
        <translation>Alumnos que practicaron la lista</translation>
    </message>
    <message>
        <source>Pairs the class missed most:</source>
        <translation>Pares que la clase más falló:</translation>
    </message>
    <message>
        <source>Pairs the class missed most</source>
        <translation>Pares que la clase más falló</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>the word lists could not be read</source>
        <translation>no se han podido leer las listas de palabras</translation>
    </message>
    <message>
        <source>Skipped: %1.</source>
        <translation>Sin leer: %1.</translation>
    </message>
    <message>
        <source>No pupil has practised &quot;%1&quot; yet.</source>
        <translation>Ningún alumno ha practicado «%1» todavía.</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation>CSV para hojas de cálculo (*.csv)</translation>
    </message>
    <message>
        <source>The class&apos;s progress with &quot;%1&quot; was written to %2.</source>
        <translation>El progreso de la clase con «%1» se ha guardado en %2.</translation>
    </message>
    <message>
        <source>Class progress: %1</source>
        <translation>Progreso de la clase: %1</translation>
    </message>
    <message numerus="yes">
        <source>The progress of %n pupil(s) was read.</source>
        <translation>
            <numerusform>Se ha leído el progreso de %n alumno.</numerusform>
            <numerusform>Se ha leído el progreso de %n alumnos.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n pupil(s) practised &quot;%1&quot;.</source>
        <translation>
            <numerusform>%n alumno ha practicado «%1».</numerusform>
            <numerusform>%n alumnos han practicado «%1».</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>ClassView</name>
    <message>
        <source>no account of that name on this computer</source>
        <translation>no hay ninguna cuenta con ese nombre en este ordenador</translation>
    </message>
    <message>
        <source>cannot be looked at</source>
        <translation>no se puede consultar</translation>
    </message>
    <message>
        <source>not a plain file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>owned by %1, not by %2</source>
        <translation>pertenece a %1, no a %2</translation>
    </message>
    <message>
        <source>there is no class progress folder %1</source>
        <translation>no existe la carpeta de progreso de la clase %1</translation>
    </message>
    <message>
        <source>this account cannot list the class progress folder %1</source>
        <translation>esta cuenta no puede ver el contenido de la carpeta de progreso de la clase %1</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
    <message>
        <source>not a progress file this version can read</source>
        <translation>no es un archivo de progreso que esta versión pueda leer</translation>
    </message>
</context>
<context>
    <name>CommandLine</name>
    <message>
        <source>Show the program in &lt;code&gt;: %1.</source>
        <translation>Mostrar el programa en &lt;code&gt;: %1.</translation>
    </message>
    <message>
        <source>Language of the program, the first of:
  1. --language &lt;code&gt;
  2. a line Language=&lt;code&gt; in lingo-spark/lingo-spark.conf, looked for as above
  3. the user&apos;s languages (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. English
Languages: %1. A language the program does not have is passed over for the next one.
</source>
        <translation>Idioma del programa, el primero de:
  1. --language &lt;code&gt;
  2. una línea Language=&lt;code&gt; en lingo-spark/lingo-spark.conf, buscada como arriba
  3. los idiomas del usuario (LANGUAGE, LC_ALL, LC_MESSAGES, LANG)
  4. inglés
Idiomas: %1. Si el programa no tiene un idioma, pasa al siguiente.
</translation>
    </message>
    <message>
        <source>--language needs a language code, such as &quot;de&quot;</source>
        <translation>--language necesita un código de idioma, como &quot;de&quot;</translation>
    </message>
    <message>
        <source>%1: %2
Try &quot;%1 --help&quot;.
</source>
        <translation>%1: %2
Pruebe &quot;%1 --help&quot;.
</translation>
    </message>
    <message>
        <source>Use the word lists and settings in &lt;folder&gt;.</source>
        <translation>Usar las listas de palabras y los ajustes de &lt;folder&gt;.</translation>
    </message>
    <message>
        <source>Data folder (the word lists thelists.dat and the settings lsdata.dat), the first of:
  1. --data &lt;folder&gt;
  2. the environment variable LINGO_SPARK_DATA
  3. a line DataFolder=&lt;folder&gt; in lingo-spark/lingo-spark.conf, looked for in
     %1 (the user&apos;s settings first, then the computer&apos;s)
  4. %2, created and given the shipped lists the first time
A folder named by 1 to 3 must already hold both files: it is never created or filled,
and the program ends with a message naming the folder and the missing file.
</source>
        <translation>Carpeta de datos (las listas de palabras thelists.dat y los ajustes lsdata.dat), la primera de:
  1. --data &lt;folder&gt;
  2. la variable de entorno LINGO_SPARK_DATA
  3. una línea DataFolder=&lt;folder&gt; en lingo-spark/lingo-spark.conf, buscada en
     %1 (primero los ajustes del usuario, luego los del ordenador)
  4. %2, que se crea con las listas incluidas la primera vez
Una carpeta indicada por 1 a 3 ya debe contener los dos archivos: nunca se crea ni se llena,
y el programa termina con un mensaje que indica la carpeta y el archivo que falta.
</translation>
    </message>
    <message>
        <source>, then </source>
        <translation>, luego </translation>
    </message>
    <message>
        <source>Commands (they need no display; &quot;%1 &lt;command&gt; --help&quot; for one):
</source>
        <translation>Comandos (no necesitan pantalla; &quot;%1 &lt;command&gt; --help&quot; para ver uno):
</translation>
    </message>
    <message>
        <source>usage: %1 %2 %3</source>
        <translation>uso: %1 %2 %3</translation>
    </message>
    <message>
        <source>--data needs a folder</source>
        <translation>--data necesita una carpeta</translation>
    </message>
    <message>
        <source>Lingo-Spark: vocabulary flash cards, quizzes and games for schools.
Without a command it opens the main menu.</source>
        <translation>Lingo-Spark: tarjetas, tests y juegos de vocabulario para la escuela.
Sin comando, abre el menú principal.</translation>
    </message>
    <message>
        <source>One of the commands below.</source>
        <translation>Uno de los comandos siguientes.</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>comando desconocido &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1: no display to open the window on (neither DISPLAY nor WAYLAND_DISPLAY is set); start it from a desktop session.
</source>
        <translation>%1: no hay pantalla donde abrir la ventana (no está definida ni DISPLAY ni WAYLAND_DISPLAY); inícielo desde una sesión de escritorio.
</translation>
    </message>
</context>
<context>
    <name>CommonMenus</name>
    <message>
        <source>Go</source>
        <translation>Ir</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>Speech</source>
        <translation>Voz</translation>
    </message>
    <message>
        <source>My Words</source>
        <translation>Mis palabras</translation>
    </message>
    <message>
        <source>Back to Main Screen</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>Back to Games Options</source>
        <translation>Volver a los juegos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>About This Program</source>
        <translation>Acerca de este programa</translation>
    </message>
    <message>
        <source>About this Program</source>
        <translation>Acerca de este programa</translation>
    </message>
</context>
<context>
    <name>Concentration</name>
    <message>
        <source>Concentration</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Directions: Click on a card to flip it. Match each word with its correct definition.</source>
        <translation>Instrucciones: haz clic en una tarjeta para darle la vuelta. Une cada palabra con su significado.</translation>
    </message>
    <message>
        <source>Card %1</source>
        <translation>Tarjeta %1</translation>
    </message>
    <message>
        <source>Tries: 0</source>
        <translation>Intentos: 0</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo:</translation>
    </message>
    <message>
        <source>Sphinx</source>
        <translation>Esfinge</translation>
    </message>
    <message>
        <source>Congratulations!</source>
        <translation>¡Enhorabuena!</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>¡Necesitas una lista con al menos 8 palabras para jugar a Parejas!</translation>
    </message>
    <message>
        <source>Tries: %1</source>
        <translation>Intentos: %1</translation>
    </message>
    <message>
        <source>Try Again...</source>
        <translation>Prueba otra vez...</translation>
    </message>
    <message>
        <source>Match!</source>
        <translation>¡Pareja!</translation>
    </message>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
    <message>
        <source>Time: %1</source>
        <translation>Tiempo: %1</translation>
    </message>
</context>
<context>
    <name>CreateList</name>
    <message>
        <source>Create New Vocabulary List</source>
        <translation>Crear una lista nueva</translation>
    </message>
    <message>
        <source>Type in the Name of your New List</source>
        <translation>Escriba el nombre de la lista nueva</translation>
    </message>
    <message>
        <source>Name of the new list</source>
        <translation>Nombre de la lista nueva</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>DataFolder</name>
    <message>
        <source>(set by %1)
</source>
        <translation>(indicada por %1)
</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2does not exist.

If it is on a shared drive, check that the drive is connected.</source>
        <translation>Lingo-Spark no puede arrancar: la carpeta de datos
%1
%2no existe.

Si está en una unidad compartida, compruebe que la unidad está conectada.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the data folder
%1
%2cannot be read from this account.</source>
        <translation>Lingo-Spark no puede arrancar: la carpeta de datos
%1
%2no se puede leer desde esta cuenta.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: the file &quot;%1&quot; is missing or cannot be read in the data folder
%2
%3
If the folder is on a shared drive, check that the drive is connected; otherwise copy the file there again.</source>
        <translation>Lingo-Spark no puede arrancar: el archivo «%1» falta o no se puede leer en la carpeta de datos
%2
%3
Si la carpeta está en una unidad compartida, compruebe que la unidad está conectada; si no, vuelva a copiar allí el archivo.</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot create its data folder
%1</source>
        <translation>Lingo-Spark no puede arrancar: no puede crear su carpeta de datos
%1</translation>
    </message>
    <message>
        <source>Lingo-Spark cannot start: it cannot copy &quot;%1&quot; from
%2
into its data folder
%3</source>
        <translation>Lingo-Spark no puede arrancar: no puede copiar «%1» de
%2
a su carpeta de datos
%3</translation>
    </message>
</context>
<context>
    <name>DataUpdate</name>
    <message>
        <source>The word lists and settings in the folder %1 cannot be changed from this account.</source>
        <translation>Las listas de palabras y los ajustes de la carpeta %1 no se pueden cambiar desde esta cuenta.</translation>
    </message>
    <message>
        <source>%1

Nothing was saved.</source>
        <translation>%1

No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Another computer is saving %1 just now.

Please try again in a moment.</source>
        <translation>Otro ordenador está guardando %1 ahora mismo.

Vuelva a intentarlo dentro de un momento.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot lock files, so saves from several computers could overwrite each other.

Nothing was saved.</source>
        <translation>No se ha podido guardar %1: la carpeta %2 no puede bloquear archivos, así que lo que guarden varios ordenadores podría sobrescribirse.

No se ha guardado nada.</translation>
    </message>
    <message>
        <source>Could not save %1: the folder %2 cannot be reached.</source>
        <translation>No se ha podido guardar %1: no se puede acceder a la carpeta %2.</translation>
    </message>
    <message>
        <source>Could not read %1.

Nothing was saved.</source>
        <translation>No se ha podido leer %1.

No se ha guardado nada.</translation>
    </message>
</context>
<context>
    <name>DeletWordSure</name>
    <message>
        <source>Confirm Word Delete</source>
        <translation>Confirmar borrado</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Are you sure you want to delete the word &apos;%1&apos; from this list?</source>
        <translation>¿Seguro que quiere borrar la palabra «%1» de esta lista?</translation>
    </message>
</context>
<context>
    <name>DeleteList</name>
    <message>
        <source>This list was already deleted on another computer.</source>
        <translation>Esta lista ya se ha borrado en otro ordenador.</translation>
    </message>
    <message>
        <source>This list was changed on another computer. Delete it anyway?</source>
        <translation>Esta lista se ha cambiado en otro ordenador. ¿Borrarla de todos modos?</translation>
    </message>
    <message>
        <source>Delete A List</source>
        <translation>Borrar una lista</translation>
    </message>
    <message>
        <source>To Delete A List:</source>
        <translation>Para borrar una lista:</translation>
    </message>
    <message>
        <source>Choose the List Name in the Box Below and Click the &quot;Delete&quot; Button.</source>
        <translation>Elija la lista en el cuadro de abajo y haga clic en el botón «Borrar».</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Are you sure you want to permenantly delete this list?</source>
        <translation>¿Seguro que quiere borrar esta lista para siempre?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
    <message>
        <source>The list was deleted, but its languages could not be removed.

%1</source>
        <translation>La lista se ha borrado, pero no se han podido quitar sus idiomas.

%1</translation>
    </message>
    <message>
        <source>%1

The list was not deleted.</source>
        <translation>%1

La lista no se ha borrado.</translation>
    </message>
</context>
<context>
    <name>EditChooseList</name>
    <message>
        <source>View/Edit Vocabulary List</source>
        <translation>Ver/editar una lista</translation>
    </message>
    <message>
        <source>Choose a List to View or Edit</source>
        <translation>Elija una lista para verla o editarla</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>EditList</name>
    <message>
        <source>View/Edit List</source>
        <translation>Ver/editar lista</translation>
    </message>
    <message>
        <source>Words</source>
        <translation>Palabras</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Add</source>
        <translation>Añadir</translation>
    </message>
    <message>
        <source>Change List Name</source>
        <translation>Renombrar lista</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Back To List Management</source>
        <translation>Volver a la Zona del profesor</translation>
    </message>
    <message>
        <source>Total Words In This List: %1</source>
        <translation>Palabras en esta lista: %1</translation>
    </message>
    <message>
        <source>%1

Please change the list&apos;s name before saving.</source>
        <translation>%1

Cambie el nombre de la lista antes de guardar.</translation>
    </message>
    <message>
        <source>%1

Please edit the selected word before saving.</source>
        <translation>%1

Corrija la palabra seleccionada antes de guardar.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your changes are still here.</source>
        <translation>%1

La lista no se ha guardado y el archivo de listas no ha cambiado. Sus cambios siguen aquí.</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before closing?</source>
        <translation>Los cambios de la lista «%1» no se han guardado. ¿Guardarlos antes de cerrar?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>The changes to the list &quot;%1&quot; have not been saved. Save them before leaving?</source>
        <translation>Los cambios de la lista «%1» no se han guardado. ¿Guardarlos antes de salir?</translation>
    </message>
    <message>
        <source>This list was changed on another computer since you opened it.</source>
        <translation>Esta lista se ha cambiado en otro ordenador desde que usted la abrió.</translation>
    </message>
    <message>
        <source>A list name must fit on one line. Please remove the line break.</source>
        <translation>El nombre de una lista debe caber en una línea. Quite el salto de línea.</translation>
    </message>
    <message>
        <source>A word or meaning must fit on one line. Please remove the line break.</source>
        <translation>Una palabra o un significado debe caber en una línea. Quite el salto de línea.</translation>
    </message>
    <message>
        <source>&quot;&lt;New List&gt;&quot; marks the start of a list in the word list file, so it cannot be used as a list name, word or meaning.</source>
        <translation>«&lt;New List&gt;» marca el comienzo de una lista en el archivo de listas, así que no se puede usar como nombre de lista, palabra ni significado.</translation>
    </message>
    <message>
        <source>Please type a name for the list.</source>
        <translation>Escriba un nombre para la lista.</translation>
    </message>
    <message>
        <source>&quot;No Lists&quot; marks an empty word list file, so it cannot be the name of a list.</source>
        <translation>«No Lists» marca un archivo de listas vacío, así que no puede ser el nombre de una lista.</translation>
    </message>
    <message>
        <source>A list name cannot hold a tab or another control character. Please remove it.</source>
        <translation>El nombre de una lista no puede tener un tabulador ni otro carácter de control. Quítelo.</translation>
    </message>
    <message>
        <source>A word or meaning cannot hold a tab or another control character. Please remove it.</source>
        <translation>Una palabra o un significado no puede tener un tabulador ni otro carácter de control. Quítelo.</translation>
    </message>
    <message>
        <source>There is already a list named &quot;%1&quot;. Please choose another name: two lists of the same name could not both be practised.</source>
        <translation>Ya hay una lista llamada «%1». Elija otro nombre: no se podrían practicar dos listas con el mismo nombre.</translation>
    </message>
    <message>
        <source>A list can hold at most %1 words, and this list is full.</source>
        <translation>Una lista puede tener como máximo %1 palabras, y esta lista está llena.</translation>
    </message>
</context>
<context>
    <name>EditWord</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Word:</source>
        <translation>Palabra:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Meaning:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>Error:</source>
        <translation>Error:</translation>
    </message>
    <message>
        <source>The words on this list are all too long to play this game. Please try another list or another activity.</source>
        <translation>Todas las palabras de esta lista son demasiado largas para este juego. Prueba otra lista u otra actividad.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>ExchangeDialogs</name>
    <message>
        <source>The list &quot;%1&quot; could not be read from the word list file.</source>
        <translation>No se ha podido leer la lista «%1» del archivo de listas.</translation>
    </message>
</context>
<context>
    <name>ExchangeFiles</name>
    <message>
        <source>%1 is not a file that can be read.</source>
        <translation>%1 no es un archivo que se pueda leer.</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 ocupa más de %2 MB, mucho más de lo que necesita una lista de palabras.</translation>
    </message>
    <message>
        <source>Could not read %1: %2</source>
        <translation>No se ha podido leer %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>No se ha podido escribir %1: puede que el disco esté lleno.</translation>
    </message>
    <message>
        <source>Word lists (*.csv *.tsv *.txt *.kvtml *.xml);;All files (*)</source>
        <translation>Listas de palabras (*.csv *.tsv *.txt *.kvtml *.xml);;Todos los archivos (*)</translation>
    </message>
</context>
<context>
    <name>ExportList</name>
    <message>
        <source>Export a List</source>
        <translation>Exportar una lista</translation>
    </message>
    <message>
        <source>Choose the list to export, then click &quot;Export...&quot;. A .csv file opens in spreadsheets; a .kvtml file in vocabulary programs.</source>
        <translation>Elija la lista que quiere exportar y haga clic en «Exportar...». Un archivo .csv se abre en hojas de cálculo; un archivo .kvtml, en programas de vocabulario.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>Exportar...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>CSV for spreadsheets (*.csv);;KVTML vocabulary (*.kvtml)</source>
        <translation>CSV para hojas de cálculo (*.csv);;Vocabulario KVTML (*.kvtml)</translation>
    </message>
    <message>
        <source>%1

Nothing was written.</source>
        <translation>%1

No se ha escrito nada.</translation>
    </message>
    <message numerus="yes">
        <source>The %n word(s) of &quot;%1&quot; were written to %2.</source>
        <translation>
            <numerusform>Se ha escrito %n palabra de «%1» en %2.</numerusform>
            <numerusform>Se han escrito las %n palabras de «%1» en %2.</numerusform>
        </translation>
    </message>
    <message>
        <source>Pair %1 (&quot;%2&quot; = &quot;%3&quot;) holds the control character U+%4, which a KVTML file cannot carry.</source>
        <translation>El par %1 («%2» = «%3») tiene el carácter de control U+%4, que un archivo KVTML no puede contener.</translation>
    </message>
    <message>
        <source>The list name holds a control character, which a KVTML file cannot carry.</source>
        <translation>El nombre de la lista tiene un carácter de control, que un archivo KVTML no puede contener.</translation>
    </message>
</context>
<context>
    <name>First</name>
    <message>
        <source>Flash Cards</source>
        <translation>Tarjetas</translation>
    </message>
    <message>
        <source>Quiz Me!</source>
        <translation>¡Hazme un test!</translation>
    </message>
    <message>
        <source>Games</source>
        <translation>Juegos</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>No Lists Available!</source>
        <translation>¡No hay listas!</translation>
    </message>
    <message>
        <source>Teacher Management</source>
        <translation>Zona del profesor</translation>
    </message>
    <message>
        <source>My Progress...</source>
        <translation>Mi progreso...</translation>
    </message>
</context>
<context>
    <name>ForeignCharacters</name>
    <message>
        <source>Foreign Language Characters</source>
        <translation>Caracteres de otros idiomas</translation>
    </message>
    <message>
        <source>Character</source>
        <translation>Carácter</translation>
    </message>
    <message>
        <source>Add to word</source>
        <translation>A la palabra</translation>
    </message>
    <message>
        <source>Add to definition</source>
        <translation>Al significado</translation>
    </message>
</context>
<context>
    <name>GameOption</name>
    <message>
        <source>Lingo-Spark Game Options</source>
        <translation>Juegos de Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Games</source>
        <translation>Juegos de Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Elige una lista:</translation>
    </message>
    <message>
        <source>Choose a Game:</source>
        <translation>Elige un juego:</translation>
    </message>
    <message>
        <source>Back To Main Screen</source>
        <translation>Volver al menú principal</translation>
    </message>
    <message>
        <source>You must have at least 8 words on a list to play Concentration!</source>
        <translation>¡Necesitas una lista con al menos 8 palabras para jugar a Parejas!</translation>
    </message>
    <message>
        <source>Hangman</source>
        <translation>El ahorcado</translation>
    </message>
    <message>
        <source>Scramble</source>
        <translation>Letras revueltas</translation>
    </message>
    <message>
        <source>Concentration</source>
        <translation>Parejas</translation>
    </message>
    <message>
        <source>Word Zap!</source>
        <translation>Word Zap!</translation>
    </message>
</context>
<context>
    <name>GiveHint</name>
    <message>
        <source>Hint:</source>
        <translation>Pista:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>Hangman</name>
    <message>
        <source>Hangman!</source>
        <translation>¡El ahorcado!</translation>
    </message>
    <message>
        <source>Letter Guess:</source>
        <translation>Tu letra:</translation>
    </message>
    <message>
        <source>Go &gt;</source>
        <translation>Probar &gt;</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Letters Already Used:</source>
        <translation>Letras ya usadas:</translation>
    </message>
    <message>
        <source>You Lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
</context>
<context>
    <name>HangmanOutcome</name>
    <message>
        <source>Do you want to play again?</source>
        <translation>¿Quieres jugar otra vez?</translation>
    </message>
</context>
<context>
    <name>ImportList</name>
    <message>
        <source>Read as a KVTML vocabulary of one language: each word&apos;s hint is its meaning.</source>
        <translation>Leído como vocabulario KVTML de un solo idioma: la pista de cada palabra es su significado.</translation>
    </message>
    <message>
        <source>Read as a KVTML vocabulary.</source>
        <translation>Leído como vocabulario KVTML.</translation>
    </message>
    <message>
        <source>Read as &quot;word = meaning&quot; lines in %1.</source>
        <translation>Leído como líneas «palabra = significado» en %1.</translation>
    </message>
    <message>
        <source>Read as tab-separated text in %1.</source>
        <translation>Leído como texto separado por tabuladores en %1.</translation>
    </message>
    <message>
        <source>Read as semicolon-separated text in %1.</source>
        <translation>Leído como texto separado por punto y coma en %1.</translation>
    </message>
    <message>
        <source>Read as comma-separated text in %1.</source>
        <translation>Leído como texto separado por comas en %1.</translation>
    </message>
    <message>
        <source>Import a List</source>
        <translation>Importar una lista</translation>
    </message>
    <message>
        <source>File:</source>
        <translation>Archivo:</translation>
    </message>
    <message>
        <source>Choose a File...</source>
        <translation>Elegir archivo...</translation>
    </message>
    <message>
        <source>List name:</source>
        <translation>Nombre:</translation>
    </message>
    <message>
        <source>List name</source>
        <translation>Nombre de la lista</translation>
    </message>
    <message>
        <source>First row is a header</source>
        <translation>Primera fila con títulos</translation>
    </message>
    <message>
        <source>First rows:</source>
        <translation>Primeras filas:</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>First rows</source>
        <translation>Primeras filas</translation>
    </message>
    <message>
        <source>Rows that will not be taken:</source>
        <translation>Filas que no se importarán:</translation>
    </message>
    <message>
        <source>Rows that will not be taken</source>
        <translation>Filas que no se importarán</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>Importar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

Nothing was imported.</source>
        <translation>%1

No se ha importado nada.</translation>
    </message>
    <message>
        <source>Words that will be taken: %1</source>
        <translation>Palabras que se importarán: %1</translation>
    </message>
    <message>
        <source>No words can be taken from this file.</source>
        <translation>No se puede importar ninguna palabra de este archivo.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>

Its languages could not be saved.

%1</source>
        <translation>

No se han podido guardar sus idiomas.

%1</translation>
    </message>
    <message numerus="yes">
        <source>The list &quot;%1&quot; was added with %n word(s).</source>
        <translation>
            <numerusform>Se ha añadido la lista «%1» con %n palabra.</numerusform>
            <numerusform>Se ha añadido la lista «%1» con %n palabras.</numerusform>
        </translation>
    </message>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Languages: %1 / %2</source>
        <translation>Idiomas: %1 / %2</translation>
    </message>
    <message>
        <source>%1 is larger than %2 MB, far more than a word list needs.</source>
        <translation>%1 ocupa más de %2 MB, mucho más de lo que necesita una lista de palabras.</translation>
    </message>
    <message>
        <source>%1 is not a text file (it may be a picture or a program), so it holds no word list.</source>
        <translation>%1 no es un archivo de texto (puede ser una imagen o un programa), así que no contiene ninguna lista de palabras.</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 está vacío.</translation>
    </message>
    <message>
        <source>%1 is an XML file but not a KVTML vocabulary.</source>
        <translation>%1 es un archivo XML, pero no un vocabulario KVTML.</translation>
    </message>
    <message>
        <source>%1 is an old KVTML 1 vocabulary; only KVTML 2 files can be read.</source>
        <translation>%1 es un vocabulario antiguo KVTML 1; solo se pueden leer archivos KVTML 2.</translation>
    </message>
    <message>
        <source>%1 is not a readable XML file (line %2: %3).</source>
        <translation>%1 no es un archivo XML legible (línea %2: %3).</translation>
    </message>
    <message>
        <source>%1 holds only one language and no hints: a KVTML file needs a second translation or a hint for each word to give the meanings.</source>
        <translation>%1 tiene un solo idioma y ninguna pista: un archivo KVTML necesita una segunda traducción o una pista para cada palabra que dé los significados.</translation>
    </message>
    <message>
        <source>%1 holds no word and meaning pairs: each line should hold a word and its meaning separated by a tab, a semicolon or a comma, or be written as word = meaning.</source>
        <translation>%1 no contiene pares de palabra y significado: cada línea debe tener una palabra y su significado separados por un tabulador, un punto y coma o una coma, o estar escrita como palabra = significado.</translation>
    </message>
    <message>
        <source>a line break inside the word</source>
        <translation>un salto de línea dentro de la palabra</translation>
    </message>
    <message>
        <source>the control character %1 inside the word</source>
        <translation>el carácter de control %1 dentro de la palabra</translation>
    </message>
    <message>
        <source>a line break inside the meaning</source>
        <translation>un salto de línea dentro del significado</translation>
    </message>
    <message>
        <source>the control character %1 inside the meaning</source>
        <translation>el carácter de control %1 dentro del significado</translation>
    </message>
    <message>
        <source>the word is empty</source>
        <translation>la palabra está vacía</translation>
    </message>
    <message>
        <source>the meaning is empty</source>
        <translation>el significado está vacío</translation>
    </message>
    <message>
        <source>&quot;%1&quot; marks the word list file&apos;s structure and cannot be a word or meaning</source>
        <translation>«%1» marca la estructura del archivo de listas y no puede ser una palabra ni un significado</translation>
    </message>
    <message>
        <source>a quote that is never closed</source>
        <translation>unas comillas que no se cierran</translation>
    </message>
    <message>
        <source>no meaning: the word has no hint</source>
        <translation>sin significado: la palabra no tiene pista</translation>
    </message>
    <message>
        <source>The file has %1 columns: the first two are taken as word and meaning.</source>
        <translation>El archivo tiene %1 columnas: las dos primeras se toman como palabra y significado.</translation>
    </message>
    <message>
        <source>A list holds at most %1 words: the first %1 are taken and %2 more are left out.</source>
        <translation>Una lista tiene como máximo %1 palabras: se toman las %1 primeras y se dejan fuera %2 más.</translation>
    </message>
</context>
<context>
    <name>LanguagesOfAList</name>
    <message>
        <source>(not set)</source>
        <translation>(sin definir)</translation>
    </message>
    <message>
        <source>Languages of a List</source>
        <translation>Idiomas de una lista</translation>
    </message>
    <message>
        <source>Choose a list, then the languages of its words and meanings.</source>
        <translation>Elija una lista y luego el idioma de sus palabras y el de sus significados.</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Language of the words:</source>
        <translation>Idioma de las palabras:</translation>
    </message>
    <message>
        <source>Language of the words</source>
        <translation>Idioma de las palabras</translation>
    </message>
    <message>
        <source>Language of the meanings:</source>
        <translation>Idioma de los significados:</translation>
    </message>
    <message>
        <source>Language of the meanings</source>
        <translation>Idioma de los significados</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The languages were not saved.</source>
        <translation>%1

Los idiomas no se han guardado.</translation>
    </message>
</context>
<context>
    <name>LanguagesVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>no se han podido leer las listas de palabras de %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>no hay ninguna lista llamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no language code this computer knows (examples: es, fr, de, en-GB)</source>
        <translation>&quot;%1&quot; no es un código de idioma que conozca este ordenador (ejemplos: es, fr, de, en-GB)</translation>
    </message>
    <message>
        <source>Print the language codes of the list NAME&apos;s words and meanings (tab-separated, &quot;-&quot; for one not set), or set them (&quot;-&quot; unsets one).</source>
        <translation>Mostrar los códigos de idioma de las palabras y los significados de la lista NAME (separados por tabulador, &quot;-&quot; si uno no está definido), o definirlos (&quot;-&quot; quita uno).</translation>
    </message>
    <message>
        <source>lingo-spark: give both the words&apos; and the meanings&apos; codes (&quot;-&quot; for one not set)
</source>
        <translation>lingo-spark: indique el código de las palabras y el de los significados (&quot;-&quot; si uno no está definido)
</translation>
    </message>
</context>
<context>
    <name>ListChooser</name>
    <message>
        <source>No words of this list are due today.</source>
        <translation>Hoy no toca repasar ninguna palabra de esta lista.</translation>
    </message>
    <message>
        <source>This list needs at least two different words to make a quiz. Please choose another list.</source>
        <translation>Esta lista necesita al menos dos palabras distintas para hacer un test. Elige otra lista.</translation>
    </message>
</context>
<context>
    <name>ListEntries</name>
</context>
<context>
    <name>ListExport</name>
</context>
<context>
    <name>ListImport</name>
</context>
<context>
    <name>ListLanguages</name>
    <message>
        <source>The list was saved, but its languages could not be carried over.

%1</source>
        <translation>La lista se ha guardado, pero no se han podido conservar sus idiomas.

%1</translation>
    </message>
</context>
<context>
    <name>ListVerbs</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>no se han podido leer las listas de palabras de %1</translation>
    </message>
    <message>
        <source>%1 Nothing was imported.</source>
        <translation>%1 No se ha importado nada.</translation>
    </message>
    <message>
        <source>%1:%2: not taken: %3</source>
        <translation>%1:%2: no se importa: %3</translation>
    </message>
    <message>
        <source>%1 holds no pair that can be taken. Nothing was imported.</source>
        <translation>%1 no contiene ningún par que se pueda importar. No se ha importado nada.</translation>
    </message>
    <message>
        <source>%1: the list was added, but its languages could not be saved: %2</source>
        <translation>%1: se ha añadido la lista, pero no se han podido guardar sus idiomas: %2</translation>
    </message>
    <message>
        <source>%1: the file name must end in .csv or .kvtml</source>
        <translation>%1: el nombre del archivo debe terminar en .csv o .kvtml</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>no hay ninguna lista llamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>%1 Nothing was written.</source>
        <translation>%1 No se ha escrito nada.</translation>
    </message>
    <message>
        <source>Call the new list &lt;name&gt; (else the file&apos;s title or name).</source>
        <translation>Llamar &lt;name&gt; a la lista nueva (si no, se usa el título o el nombre del archivo).</translation>
    </message>
    <message>
        <source>The first row names the columns.</source>
        <translation>La primera fila da nombre a las columnas.</translation>
    </message>
    <message>
        <source>The first row is a word pair, whatever it says.</source>
        <translation>La primera fila es un par de palabras, diga lo que diga.</translation>
    </message>
    <message>
        <source>Print the names of the word lists, one a line.</source>
        <translation>Mostrar los nombres de las listas de palabras, uno por línea.</translation>
    </message>
    <message>
        <source>Add the pairs of FILE (CSV, tab or semicolon text, &quot;word = meaning&quot; lines, KVTML 2.0) as a new list.</source>
        <translation>Añadir los pares de FILE (CSV, texto con tabuladores o punto y coma, líneas &quot;palabra = significado&quot;, KVTML 2.0) como lista nueva.</translation>
    </message>
    <message>
        <source>lingo-spark: --header and --no-header cannot both be given
</source>
        <translation>lingo-spark: no se pueden indicar a la vez --header y --no-header
</translation>
    </message>
    <message>
        <source>Write the list NAME to FILE, as CSV (.csv) or KVTML (.kvtml).</source>
        <translation>Escribir la lista NAME en FILE, como CSV (.csv) o KVTML (.kvtml).</translation>
    </message>
    <message numerus="yes">
        <source>Wrote the %n word(s) of &quot;%1&quot; to %2.</source>
        <translation>
            <numerusform>Se ha escrito %n palabra de &quot;%1&quot; en %2.</numerusform>
            <numerusform>Se han escrito las %n palabras de &quot;%1&quot; en %2.</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Added the list &quot;%1&quot; with %n word(s) from %2.</source>
        <translation>
            <numerusform>Lista &quot;%1&quot; añadida con %n palabra desde %2.</numerusform>
            <numerusform>Lista &quot;%1&quot; añadida con %n palabras desde %2.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>LoseForm</name>
    <message>
        <source>You Lose!</source>
        <translation>¡Has perdido!</translation>
    </message>
</context>
<context>
    <name>Main</name>
    <message>
        <source>Show the Meaning</source>
        <translation>Ver significado</translation>
    </message>
    <message>
        <source>Show the Word</source>
        <translation>Ver la palabra</translation>
    </message>
    <message>
        <source>Total cards available in this set: %1</source>
        <translation>Tarjetas en este grupo: %1</translation>
    </message>
    <message>
        <source>(No words in this list start with %1!)</source>
        <translation>(¡Ninguna palabra de esta lista empieza por %1!)</translation>
    </message>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Tarjetas de vocabulario</translation>
    </message>
    <message>
        <source>Word card</source>
        <translation>Tarjeta de la palabra</translation>
    </message>
    <message>
        <source>Meaning card</source>
        <translation>Tarjeta del significado</translation>
    </message>
    <message>
        <source>Previous Card arrow</source>
        <translation>Flecha: tarjeta anterior</translation>
    </message>
    <message>
        <source>Previous Card</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next Card</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>Next Card arrow</source>
        <translation>Flecha: tarjeta siguiente</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Back to the Flash Card Options</source>
        <translation>Volver a las opciones de tarjetas</translation>
    </message>
    <message>
        <source>That&apos;s the end of the list!</source>
        <translation>¡Se acabó la lista!</translation>
    </message>
</context>
<context>
    <name>MakeNewList</name>
    <message>
        <source>Make a New Vocabulatry List</source>
        <translation>Crear una lista nueva</translation>
    </message>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>The Meaning of This Word is:</source>
        <translation>El significado de esta palabra es:</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Add This Word</source>
        <translation>Añadir palabra</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Foreign Characters...</source>
        <translation>Otros caracteres...</translation>
    </message>
    <message>
        <source>Return to Manager Screen</source>
        <translation>Volver a la Zona del profesor</translation>
    </message>
    <message>
        <source>Total words in this list: %1</source>
        <translation>Palabras en esta lista: %1</translation>
    </message>
    <message>
        <source>Word Number: %1</source>
        <translation>Palabra número: %1</translation>
    </message>
    <message>
        <source>Are you sure you want to save this list?</source>
        <translation>¿Seguro que quiere guardar esta lista?</translation>
    </message>
    <message>
        <source>Save?</source>
        <translation>¿Guardar?</translation>
    </message>
    <message>
        <source>Another computer saved a list named &quot;%1&quot; while you were typing this one.

Save your list as &quot;%2&quot; instead?</source>
        <translation>Otro ordenador ha guardado una lista llamada «%1» mientras usted escribía esta.

¿Guardar su lista como «%2»?</translation>
    </message>
    <message>
        <source>Hey!</source>
        <translation>¡Atención!</translation>
    </message>
    <message>
        <source>%1

The list was not saved and the word list file is unchanged. Your words are still here.</source>
        <translation>%1

La lista no se ha guardado y el archivo de listas no ha cambiado. Sus palabras siguen aquí.</translation>
    </message>
    <message>
        <source>Save Failed</source>
        <translation>Error al guardar</translation>
    </message>
    <message>
        <source>The list &quot;%1&quot; has not been saved yet. Save it before closing?</source>
        <translation>La lista «%1» todavía no se ha guardado. ¿Guardarla antes de cerrar?</translation>
    </message>
</context>
<context>
    <name>Manager</name>
    <message>
        <source>Lingo-Spark Teacher Management</source>
        <translation>Zona del profesor de Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-SPARK Teacher Management</source>
        <translation>Zona del profesor de Lingo-SPARK</translation>
    </message>
    <message>
        <source>Create New Word List</source>
        <translation>Crear una lista nueva</translation>
    </message>
    <message>
        <source>View / Edit Word List</source>
        <translation>Ver / editar una lista</translation>
    </message>
    <message>
        <source>Delete Word List</source>
        <translation>Borrar una lista</translation>
    </message>
    <message>
        <source>Change Password</source>
        <translation>Cambiar contraseña</translation>
    </message>
    <message>
        <source>Sound Options</source>
        <translation>Opciones de sonido</translation>
    </message>
    <message>
        <source>Quit List Management</source>
        <translation>Salir de esta zona</translation>
    </message>
    <message>
        <source>Exit List Management</source>
        <translation>Salir de la Zona del profesor</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Import a List...</source>
        <translation>Importar una lista...</translation>
    </message>
    <message>
        <source>Export a List...</source>
        <translation>Exportar una lista...</translation>
    </message>
    <message>
        <source>Print a List...</source>
        <translation>Imprimir una lista...</translation>
    </message>
    <message>
        <source>Languages of a List...</source>
        <translation>Idiomas de una lista...</translation>
    </message>
    <message>
        <source>Class Progress...</source>
        <translation>Progreso de la clase...</translation>
    </message>
    <message>
        <source>Speech for Pupils...</source>
        <translation>Voz para los alumnos...</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
</context>
<context>
    <name>MessageBox</name>
    <message>
        <source>Save over it</source>
        <translation>Sobrescribir</translation>
    </message>
</context>
<context>
    <name>MyProgress</name>
    <message>
        <source>My Progress</source>
        <translation>Mi progreso</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Elige una lista:</translation>
    </message>
    <message>
        <source>Practise My Hard Words</source>
        <translation>Mis palabras difíciles</translation>
    </message>
    <message>
        <source>Start Again</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Due today: %1</source>
        <translation>Para hoy: %1</translation>
    </message>
    <message>
        <source>Never practised: %1</source>
        <translation>Sin practicar: %1</translation>
    </message>
    <message>
        <source>Start &quot;%1&quot; again? Every word of it will count as never practised.</source>
        <translation>¿Empezar «%1» de nuevo? Todas sus palabras contarán como sin practicar.</translation>
    </message>
</context>
<context>
    <name>OutcomeTexts</name>
    <message>
        <source>The word was</source>
        <translation>La palabra era</translation>
    </message>
    <message>
        <source>which means:</source>
        <translation>que significa:</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>PasswordForm</name>
    <message>
        <source>Management Password</source>
        <translation>Contraseña del profesor</translation>
    </message>
    <message>
        <source>Please enter the password to access Teacher Management</source>
        <translation>Escriba la contraseña para entrar en la Zona del profesor</translation>
    </message>
    <message>
        <source>Password</source>
        <translation>Contraseña</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The Teacher Management password is kept there, so Teacher Management cannot be opened until the file can be read.</source>
        <translation>%1

Ahí se guarda la contraseña de la Zona del profesor, así que la Zona del profesor no se puede abrir hasta que se pueda leer el archivo.</translation>
    </message>
    <message>
        <source>The default password for Teacher Management is OPENDOOR. If you plan to use this on a computer available to students, you should change the password to keep the files secure.</source>
        <translation>La contraseña predeterminada de la Zona del profesor es OPENDOOR. Si va a usar el programa en un ordenador al que tienen acceso los alumnos, cambie la contraseña para proteger los archivos.</translation>
    </message>
    <message>
        <source>Password Alert</source>
        <translation>Aviso de contraseña</translation>
    </message>
    <message>
        <source>No Teacher Management password is set: the first line of
%1
is empty. Write a password on that line to open Teacher Management.</source>
        <translation>No hay ninguna contraseña para la Zona del profesor: la primera línea de
%1
está vacía. Escriba una contraseña en esa línea para abrir la Zona del profesor.</translation>
    </message>
    <message>
        <source>%1

The lists can still be viewed here; every change would be refused.</source>
        <translation>%1

Aquí todavía se pueden ver las listas, pero no se aceptará ningún cambio.</translation>
    </message>
    <message>
        <source>Lists and Settings Cannot Be Changed</source>
        <translation>Las listas y los ajustes no se pueden cambiar</translation>
    </message>
</context>
<context>
    <name>PrintList</name>
    <message>
        <source>Print a List</source>
        <translation>Imprimir una lista</translation>
    </message>
    <message>
        <source>Choose the list to print as a worksheet:</source>
        <translation>Elija la lista que quiere imprimir como ficha:</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>Listas</translation>
    </message>
    <message>
        <source>Leave empty for a test</source>
        <translation>Dejar en blanco para un test</translation>
    </message>
    <message>
        <source>Nothing</source>
        <translation>Nada</translation>
    </message>
    <message>
        <source>The meanings</source>
        <translation>Los significados</translation>
    </message>
    <message>
        <source>The words</source>
        <translation>Las palabras</translation>
    </message>
    <message>
        <source>Print...</source>
        <translation>Imprimir...</translation>
    </message>
    <message>
        <source>Save as PDF...</source>
        <translation>Guardar como PDF...</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>Terminar</translation>
    </message>
    <message>
        <source>Save as PDF</source>
        <translation>Guardar como PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf)</source>
        <translation>Documentos PDF (*.pdf)</translation>
    </message>
    <message>
        <source>The worksheet of &quot;%1&quot; was saved as %2.</source>
        <translation>La ficha de «%1» se ha guardado como %2.</translation>
    </message>
</context>
<context>
    <name>ProgressFiles</name>
    <message>
        <source>%1 is not a progress file this version can read; it was set aside as %2 and progress starts again.</source>
        <translation>%1 no es un archivo de progreso que esta versión pueda leer; se ha apartado como %2 y el progreso empieza de nuevo.</translation>
    </message>
    <message>
        <source>%1 could not be read; it was set aside as %2 and progress starts again.</source>
        <translation>No se ha podido leer %1; se ha apartado como %2 y el progreso empieza de nuevo.</translation>
    </message>
    <message>
        <source>%1 could not be read or set aside; progress is not saved this time.</source>
        <translation>No se ha podido leer ni apartar %1; esta vez no se guarda el progreso.</translation>
    </message>
    <message>
        <source>cannot make the folder %1</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
</context>
<context>
    <name>ProgressVerb</name>
    <message>
        <source>could not read the word lists in %1</source>
        <translation>no se han podido leer las listas de palabras de %1</translation>
    </message>
    <message>
        <source>there is no list named &quot;%1&quot;</source>
        <translation>no hay ninguna lista llamada &quot;%1&quot;</translation>
    </message>
    <message>
        <source>lingo-spark: skipped %1: %2</source>
        <translation>lingo-spark: se omite %1: %2</translation>
    </message>
    <message>
        <source>Print what the class&apos;s progress files in the data folder&apos;s progress/ say, per list (or LIST alone): each pupil&apos;s right and wrong answers, the ten most-missed pairs.</source>
        <translation>Mostrar lo que dicen los archivos de progreso de la clase en la carpeta progress/ de la carpeta de datos, por lista (o solo LIST): los aciertos y fallos de cada alumno y los diez pares más fallados.</translation>
    </message>
</context>
<context>
    <name>Quiz</name>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Test de vocabulario de Lingo-Spark</translation>
    </message>
    <message>
        <source>Directions:</source>
        <translation>Instrucciones:</translation>
    </message>
    <message>
        <source>The Question</source>
        <translation>La pregunta</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>C</source>
        <translation>C</translation>
    </message>
    <message>
        <source>D</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Next Question</source>
        <translation>Siguiente pregunta</translation>
    </message>
    <message>
        <source>Questions Remaining:</source>
        <translation>Preguntas restantes:</translation>
    </message>
    <message>
        <source>Total Correct:</source>
        <translation>Aciertos:</translation>
    </message>
    <message>
        <source>Total Wrong:</source>
        <translation>Fallos:</translation>
    </message>
    <message>
        <source>Back to Quiz Options</source>
        <translation>Volver a las opciones</translation>
    </message>
    <message>
        <source>Directions:  Mark the definition that BEST matches the word.</source>
        <translation>Instrucciones:  Marca el significado que MEJOR va con la palabra.</translation>
    </message>
    <message>
        <source>Directions:  Mark the word that BEST matches the definition.</source>
        <translation>Instrucciones:  Marca la palabra que MEJOR va con el significado.</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>Wrong</source>
        <translation>Incorrecto</translation>
    </message>
</context>
<context>
    <name>QuizOptions</name>
    <message>
        <source>Lingo-Spark Quiz</source>
        <translation>Test de Lingo-Spark</translation>
    </message>
    <message>
        <source>Lingo-Spark Vocabulary Quiz</source>
        <translation>Test de vocabulario de Lingo-Spark</translation>
    </message>
    <message>
        <source>Choose a list:</source>
        <translation>Elige una lista:</translation>
    </message>
    <message>
        <source>How many questions?</source>
        <translation>¿Cuántas preguntas?</translation>
    </message>
    <message>
        <source>What type of questions?</source>
        <translation>¿Qué tipo de preguntas?</translation>
    </message>
    <message>
        <source>Quiz me on Words</source>
        <translation>Test de palabras</translation>
    </message>
    <message>
        <source>Quiz me on Meanings</source>
        <translation>Test de significados</translation>
    </message>
    <message>
        <source>Quiz me on Words and Meanings</source>
        <translation>Test de palabras y significados</translation>
    </message>
    <message>
        <source>Begin!</source>
        <translation>¡Empezar!</translation>
    </message>
    <message>
        <source>Return to Main Screen</source>
        <translation>Volver al menú principal</translation>
    </message>
</context>
<context>
    <name>Recorder</name>
    <message>
        <source>could not save progress to %1: %2</source>
        <translation>no se ha podido guardar el progreso en %1: %2</translation>
    </message>
</context>
<context>
    <name>Scramble</name>
    <message>
        <source>Scramble!</source>
        <translation>¡Letras revueltas!</translation>
    </message>
    <message>
        <source>Unscramble this word:</source>
        <translation>Ordena esta palabra:</translation>
    </message>
    <message>
        <source>Your Guess:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Submit Guess</source>
        <translation>Comprobar</translation>
    </message>
    <message>
        <source>Give Up</source>
        <translation>Me rindo</translation>
    </message>
    <message>
        <source>Hint</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Time:</source>
        <translation>Tiempo</translation>
    </message>
</context>
<context>
    <name>ScrambleLose</name>
    <message>
        <source>Sorry...</source>
        <translation>Lo siento...</translation>
    </message>
</context>
<context>
    <name>ScrambleOutcome</name>
    <message>
        <source>Would you like to try another?</source>
        <translation>¿Quieres probar con otra?</translation>
    </message>
</context>
<context>
    <name>ScrambleWin</name>
    <message>
        <source>Yes!</source>
        <translation>¡Sí!</translation>
    </message>
    <message>
        <source>Correct!</source>
        <translation>¡Correcto!</translation>
    </message>
    <message>
        <source>You guessed correctly in %1 seconds.</source>
        <translation>Lo has adivinado en %1 segundos.</translation>
    </message>
</context>
<context>
    <name>ScreenSpeech</name>
    <message>
        <source>Speak &amp;Automatically</source>
        <translation>Pronunciar &amp;automáticamente</translation>
    </message>
    <message>
        <source>no language set for this list</source>
        <translation>esta lista no tiene idioma</translation>
    </message>
    <message>
        <source>no voice for %1 on this computer</source>
        <translation>no hay voz para %1 en este ordenador</translation>
    </message>
    <message>
        <source>speech cannot start on this computer</source>
        <translation>la voz no funciona en este ordenador</translation>
    </message>
    <message>
        <source>no sound device</source>
        <translation>no hay sonido</translation>
    </message>
    <message>
        <source>&amp;Say It</source>
        <translation>&amp;Escuchar</translation>
    </message>
    <message>
        <source>&amp;Say It (%1)</source>
        <translation>&amp;Escuchar (%1)</translation>
    </message>
</context>
<context>
    <name>SoundOptions</name>
    <message>
        <source>Sound Options</source>
        <translation>Opciones de sonido</translation>
    </message>
    <message>
        <source>Choose the default sound setting</source>
        <translation>Elija el sonido predeterminado</translation>
    </message>
    <message>
        <source>Sound is  ON  by default. (Best for stand-alone computers)</source>
        <translation>Sonido  ACTIVADO  por defecto. (Mejor en ordenadores sin red)</translation>
    </message>
    <message>
        <source>Sound is  OFF  by default. (Best for running over networks)</source>
        <translation>Sonido  DESACTIVADO  por defecto. (Mejor si se usa en red)</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>Guardar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The sound setting was not saved.</source>
        <translation>%1

El ajuste de sonido no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>SoundSwitch</name>
    <message>
        <source>&amp;Sound Effects-- Off</source>
        <translation>&amp;Efectos de sonido: no</translation>
    </message>
    <message>
        <source>&amp;Sound Effects-- On</source>
        <translation>&amp;Efectos de sonido: sí</translation>
    </message>
</context>
<context>
    <name>SpeechForPupils</name>
    <message>
        <source>Speech for Pupils</source>
        <translation>Voz para los alumnos</translation>
    </message>
    <message>
        <source>When a word appears</source>
        <translation>Cuando sale una palabra</translation>
    </message>
    <message>
        <source>Speak words automatically</source>
        <translation>Pronunciarla automáticamente</translation>
    </message>
    <message>
        <source>Speak only when asked</source>
        <translation>Pronunciarla solo si se pide</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>%1

The speech setting was not saved.</source>
        <translation>%1

El ajuste de voz no se ha guardado.</translation>
    </message>
</context>
<context>
    <name>SureForm</name>
    <message>
        <source>Are you sure?</source>
        <translation>¿Seguro?</translation>
    </message>
    <message>
        <source>Are you sure you want to quit without saving this list?</source>
        <translation>¿Seguro que quiere salir sin guardar esta lista?</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>Sí</translation>
    </message>
    <message>
        <source>No</source>
        <translation>No</translation>
    </message>
</context>
<context>
    <name>TextFile</name>
    <message>
        <source>Could not write %1: %2</source>
        <translation>No se ha podido escribir %1: %2</translation>
    </message>
    <message>
        <source>Could not write %1: the disk may be full.</source>
        <translation>No se ha podido escribir %1: puede que el disco esté lleno.</translation>
    </message>
</context>
<context>
    <name>UnreadFile</name>
    <message>
        <source>The file
%1
could not be read. Check that it exists and can be read.</source>
        <translation>El archivo
%1
no se ha podido leer. Compruebe que existe y que se puede leer.</translation>
    </message>
    <message>
        <source>%1

Nothing can be changed on this screen; close it and open it again once the file can be read.</source>
        <translation>%1

En esta pantalla no se puede cambiar nada; ciérrela y vuelva a abrirla cuando se pueda leer el archivo.</translation>
    </message>
    <message>
        <source>The file
%1
could not be read when this screen opened, so nothing was saved. Close this screen and open it again.</source>
        <translation>El archivo
%1
no se pudo leer al abrir esta pantalla, así que no se ha guardado nada. Cierre esta pantalla y vuelva a abrirla.</translation>
    </message>
</context>
<context>
    <name>WordPair</name>
</context>
<context>
    <name>Worksheet</name>
    <message>
        <source>Word</source>
        <translation>Palabra</translation>
    </message>
    <message>
        <source>Meaning</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>Página %1 de %2</translation>
    </message>
    <message>
        <source>Could not write %1.</source>
        <translation>No se ha podido escribir %1.</translation>
    </message>
</context>
<context>
    <name>Zap</name>
    <message>
        <source>Word Zap</source>
        <translation>Word Zap</translation>
    </message>
    <message>
        <source>Time: 000</source>
        <translation>Tiempo: 000</translation>
    </message>
    <message>
        <source>Score:</source>
        <translation>Puntos:</translation>
    </message>
    <message>
        <source>Target %1</source>
        <translation>Diana %1</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source> Ready? Shoot Here to Start</source>
        <translation> ¿Listo? ¡Dispara aquí!</translation>
    </message>
    <message>
        <source>Lose</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Definition:</source>
        <translation>Significado:</translation>
    </message>
    <message>
        <source>Definition</source>
        <translation>Significado</translation>
    </message>
    <message>
        <source>Score:  0000</source>
        <translation>Puntos:  0000</translation>
    </message>
    <message>
        <source>Time:  %1</source>
        <translation>Tiempo:  %1</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>¡Necesitas una lista con al menos dos palabras distintas para jugar a Word Zap!</translation>
    </message>
    <message>
        <source>Score: %1</source>
        <translation>Puntos: %1</translation>
    </message>
    <message>
        <source>Time Is Up!</source>
        <translation>¡Se acabó el tiempo!</translation>
    </message>
    <message>
        <source>Time up!</source>
        <translation>¡Tiempo!</translation>
    </message>
    <message>
        <source>Great Shot!</source>
        <translation>¡Buen disparo!</translation>
    </message>
    <message>
        <source>You missed! The correct answer was  --%1--</source>
        <translation>¡Has fallado! La respuesta correcta era  --%1--</translation>
    </message>
    <message>
        <source>You shot the wrong word! The correct answer was  --%1--</source>
        <translation>¡Has disparado a la palabra equivocada! La respuesta correcta era  --%1--</translation>
    </message>
</context>
<context>
    <name>ZapDone</name>
    <message>
        <source>Score</source>
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Trophy</source>
        <translation>Trofeo</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>¡Buen trabajo!</translation>
    </message>
    <message>
        <source>You Scored 000 Points!</source>
        <translation>¡Tienes 000 puntos!</translation>
    </message>
    <message>
        <source>Try Again</source>
        <translation>Otra vez</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>You scored %1 points!</source>
        <translation>¡Tienes %1 puntos!</translation>
    </message>
    <message>
        <source>Oops!</source>
        <translation>¡Uy!</translation>
    </message>
    <message>
        <source>Not too bad...</source>
        <translation>No está mal...</translation>
    </message>
    <message>
        <source>Good Job!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Great Work!</source>
        <translation>¡Genial!</translation>
    </message>
    <message>
        <source>FANTASTIC!!!!</source>
        <translation>¡¡¡¡FANTÁSTICO!!!!</translation>
    </message>
</context>
<context>
    <name>ZapOptions</name>
    <message>
        <source>Word Zap! Options</source>
        <translation>Opciones de Word Zap!</translation>
    </message>
    <message>
        <source>Word ZAP!</source>
        <translation>Word ZAP!</translation>
    </message>
    <message>
        <source>Rules:</source>
        <translation>Reglas:</translation>
    </message>
    <message>
        <source>A definition will appear at the bottom of the screen. You must shoot only the word that matches the definition. Each correct shot will earn you 50 points. Each wrong shot will take away 50 points.</source>
        <translation>Abajo en la pantalla aparecerá un significado. Tienes que disparar solo a la palabra que va con ese significado. Cada acierto te da 50 puntos. Cada fallo te quita 50 puntos.</translation>
    </message>
    <message>
        <source>Speed</source>
        <translation>Velocidad</translation>
    </message>
    <message>
        <source>Slow</source>
        <translation>Lenta</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Impossible</source>
        <translation>Imposible</translation>
    </message>
    <message>
        <source>Sound</source>
        <translation>Sonido</translation>
    </message>
    <message>
        <source>Sound On</source>
        <translation>Con sonido</translation>
    </message>
    <message>
        <source>Sound Off</source>
        <translation>Sin sonido</translation>
    </message>
    <message>
        <source>Start!</source>
        <translation>¡Empezar!</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>You need a list with at least two different words to play Word Zap!</source>
        <translation>¡Necesitas una lista con al menos dos palabras distintas para jugar a Word Zap!</translation>
    </message>
</context>
<context>
    <name>frmTitle</name>
    <message>
        <source>Vocabulary Flash Cards</source>
        <translation>Tarjetas de vocabulario</translation>
    </message>
    <message>
        <source>Choose a Word List:</source>
        <translation>Elige una lista:</translation>
    </message>
    <message>
        <source>What&apos;s on the Cards?</source>
        <translation>¿Qué sale en las tarjetas?</translation>
    </message>
    <message>
        <source>Card Order</source>
        <translation>¿En qué orden?</translation>
    </message>
    <message>
        <source>Show me the words and I&apos;ll guess the meaning</source>
        <translation>Veo la palabra y adivino el significado</translation>
    </message>
    <message>
        <source>Show me the meaning and let me guess the word</source>
        <translation>Veo el significado y adivino la palabra</translation>
    </message>
    <message>
        <source>Alphabetical</source>
        <translation>Alfabético</translation>
    </message>
    <message>
        <source>Random</source>
        <translation>Al azar</translation>
    </message>
    <message>
        <source>Alphabetical, starting with the letter...</source>
        <translation>Alfabético, empezando por la letra...</translation>
    </message>
    <message>
        <source>Starting letter</source>
        <translation>Letra inicial</translation>
    </message>
    <message>
        <source>Click Here to Begin</source>
        <translation>Haz clic para empezar</translation>
    </message>
    <message>
        <source>My Hard Words Only</source>
        <translation>Solo palabras difíciles</translation>
    </message>
    <message>
        <source>You need to choose a starting letter!</source>
        <translation>¡Tienes que elegir una letra inicial!</translation>
    </message>
</context>
<context>
    <name>summary</name>
    <message>
        <source>Perfect Score!!!</source>
        <translation>¡¡¡Puntuación perfecta!!!</translation>
    </message>
    <message>
        <source>Good job!</source>
        <translation>¡Bien hecho!</translation>
    </message>
    <message>
        <source>Looks like you could use a little more work.</source>
        <translation>Parece que te hace falta practicar un poco más.</translation>
    </message>
    <message>
        <source>Oops! Keep studying!!</source>
        <translation>¡Uy! ¡¡Sigue estudiando!!</translation>
    </message>
    <message>
        <source>Quiz Results</source>
        <translation>Resultados del test</translation>
    </message>
    <message>
        <source>You got (blank) out of (blank) correct.</source>
        <translation>Has acertado ___ de ___.</translation>
    </message>
    <message>
        <source>This gives you a score of (blank)%</source>
        <translation>Tu puntuación es ___%</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>You got %1 correct out of %2!</source>
        <translation>¡Has acertado %1 de %2!</translation>
    </message>
    <message>
        <source>This gives you a score of %1%.</source>
        <translation>Tu puntuación es %1%.</translation>
    </message>
</context>
<context>
    <name>youwin</name>
    <message>
        <source>You Win!</source>
        <translation>¡Has ganado!</translation>
    </message>
</context>
</TS>
